#pragma once

#include "engine/simulation_state.h"

namespace tarvon {

// "Continuar" in the mechanism view: shows the particles as the captured
// reaction left them (the products, in their normal appearance) and lets the
// animation run on. The timer is restarted even if the captured group cannot
// be shown; such an error then propagates to the caller.
void Continuar(SimulationState& s);

} // namespace tarvon
