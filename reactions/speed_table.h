#pragma once

#include "engine/simulation_state.h"

namespace tarvon {

// Fills TaulaVel entries 0 to 499 with the bell-shaped speed levels 10 to 100,
// mirrored about entry 249.5; entry 500 is never drawn and is left alone.
void OmplirTaulaVel(SimulationState& s);

} // namespace tarvon
