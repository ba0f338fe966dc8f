#pragma once

#include "engine/simulation_state.h"
#include "engine/uniform_random.h"

namespace tarvon {

// A stand-in population in the box of the reference screen, shown by the first
// window: a small ionic block of two lattice layers at the bottom of the box and
// diatomic "HI"-style molecules in the slots after it. The reaction catalogue
// replaces it once reactions can be chosen.
void SetDemoBox(SimulationState& s);
void CreaPoblacioDemo(SimulationState& s, UniformRandom& rnd, int molecules);

} // namespace tarvon
