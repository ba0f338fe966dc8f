#pragma once

#include "engine/clock.h"
#include "engine/reaction_hooks.h"
#include "engine/simulation_state.h"
#include "engine/uniform_random.h"

namespace tarvon {

// What the steps of one tick work with: the simulation, the clock and the
// generator, and the hooks to the reaction rules, the data rows and the
// capture display.
struct TickContext {
    SimulationState& s;
    Clock& clock;
    UniformRandom& rnd;
    ReactionHooks& hooks;
};

} // namespace tarvon
