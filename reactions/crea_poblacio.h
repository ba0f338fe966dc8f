#pragma once

#include "engine/simulation_state.h"
#include "engine/uniform_random.h"

#include <cstdint>

namespace tarvon {

// Builds the starting population of s.Reaccio (nothing without a reaction),
// sets the counters and the legend. The generator is
// reseeded with seed first: a clock reading in the window, the user's seed in
// a headless run.
void Crea_Poblacio(SimulationState& s, UniformRandom& rnd, std::uint64_t seed);

} // namespace tarvon
