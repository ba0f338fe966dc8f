#pragma once

#include "engine/simulation_state.h"
#include "engine/uniform_random.h"

namespace tarvon {

// Gives slot i a random orientation for the angle a (degrees): draws Beta in
// the band that a allows and writes the three direction cosines.
void Orienta(SimulationState& s, UniformRandom& rnd, int i, float a);

} // namespace tarvon
