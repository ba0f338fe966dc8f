#pragma once

#include "engine/reaction_hooks.h"
#include "engine/simulation_state.h"
#include "engine/uniform_random.h"

namespace tarvon {

// "HI": slot i against every later slot. Two HI molecules that overlap with
// their iodines together and their hydrogens together exchange atoms
// (2 HI -> H2 + I2); any other overlap is a plain collision.
void ReaccioHI(SimulationState& s, UniformRandom& rnd, ReactionHooks& hooks, int i);

} // namespace tarvon
