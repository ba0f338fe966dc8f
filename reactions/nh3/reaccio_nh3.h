#pragma once

#include "engine/reaction_hooks.h"
#include "engine/simulation_state.h"
#include "engine/uniform_random.h"

namespace tarvon {

// "NH3": an N2 slot with one H2 in contact and two more nearby forms two NH3
// (N2 + 3 H2 -> 2 NH3); otherwise slot i collides with the later slots still
// in play.
void ReaccioNH3(SimulationState& s, UniformRandom& rnd, ReactionHooks& hooks, int i);

} // namespace tarvon
