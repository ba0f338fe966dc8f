#pragma once

#include "engine/simulation_state.h"
#include "engine/uniform_random.h"

namespace tarvon {

// A stand-in population of diatomic "HI"-style molecules in the box of the
// reference screen, shown by the first window. The reaction catalogue replaces
// it once reactions can be chosen.
void SetDemoBox(SimulationState& s);
void CreaPoblacioDemo(SimulationState& s, UniformRandom& rnd, int molecules);

} // namespace tarvon
