#pragma once

#include "engine/simulation_state.h"
#include "engine/uniform_random.h"

namespace tarvon {

// A collision of slots i and j that do not react. Reads RatioXoc, which the
// pair test that found the collision has just written. Against a lattice site
// (the "HgO" solid) only slot i bounces.
void Xoc_Molecules(SimulationState& s, UniformRandom& rnd, int i, int j);

} // namespace tarvon
