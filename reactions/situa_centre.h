#pragma once

#include "engine/simulation_state.h"
#include "engine/uniform_random.h"

namespace tarvon {

// Puts the centre of slot i at random in the box, at least `margin` from every
// wall, on whole twips (the gas molecules of "HI" and "NH3").
void SituaCentre(SimulationState& s, UniformRandom& rnd, int i, float margin);

} // namespace tarvon
