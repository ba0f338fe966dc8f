#pragma once

#include "engine/simulation_state.h"
#include "engine/uniform_random.h"

namespace tarvon {

// Gives slot i a random orientation and a speed drawn from TaulaVel (each
// entry at most once per population), along a random permutation of the
// slot's direction components.
void Velocitat_Inicial(SimulationState& s, UniformRandom& rnd, int i);

} // namespace tarvon
