#pragma once

#include "engine/simulation_state.h"

namespace tarvon {

// Restacks the oxidised iron surface: cells in order of increasing depth, each
// iron ion with its oxide over it, and the bare metal behind everything.
void Ordena_Capes(SimulationState& s);

} // namespace tarvon
