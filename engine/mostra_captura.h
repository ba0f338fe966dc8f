#pragma once

#include "engine/simulation_state.h"

namespace tarvon {

// Freezes the animation on a captured group: pauses the timer, shows
// "Continuar" and, at a solid surface, redraws the group as it was captured.
void MostraCaptura(SimulationState& s);

} // namespace tarvon
