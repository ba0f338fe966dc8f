#pragma once

#include "engine/simulation_state.h"

namespace tarvon {

class CajaView;

// The box of the normal view: Caja's back colour, then the cube drawn into its
// picture with its front strips placed.
void DrawNormalBox(CajaView& caja, SimulationState& s);

} // namespace tarvon
