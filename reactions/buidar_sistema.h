#pragma once

#include "engine/simulation_state.h"

namespace tarvon {

// Clears the particle system before a population is built: the speed factor,
// the shapes above element 0, the molecule table and the oxidised cells. The
// window does the colouring, labels and box drawing of the same step.
void BuidarSistema(SimulationState& s);

} // namespace tarvon
