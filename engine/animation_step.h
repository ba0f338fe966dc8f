#pragma once

#include "engine/clock.h"
#include "engine/reaction_hooks.h"
#include "engine/simulation_state.h"
#include "engine/uniform_random.h"

#include <string>

namespace tarvon {

// One tick of tmrRellotge: the data rows, then the chosen reaction's tick
// (its timed events, every slot's collisions, walls, motion and drawing, the
// capture shown), and the final stacking of the front strip.
class AnimationStep {
public:
    AnimationStep(SimulationState& s, Clock& clock, UniformRandom& rnd, ReactionHooks& hooks)
        : s_(s), clock_(clock), rnd_(rnd), hooks_(hooks) {}

    // Runs one tick; an error inside (an index outside a list) propagates, and
    // in builds with TARVON_TICK_CHECKS so does a broken tick invariant.
    void tick();

    // Runs one tick as the timer does: an error abandons the tick and is
    // reported in the result; the simulation stays usable for the next tick.
    bool guardedTick(std::string* error = nullptr);

private:
    SimulationState& s_;
    Clock& clock_;
    UniformRandom& rnd_;
    ReactionHooks& hooks_;
};

} // namespace tarvon
