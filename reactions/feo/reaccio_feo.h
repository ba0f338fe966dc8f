#pragma once

#include "engine/simulation_state.h"

namespace tarvon {

// "FeO": O2 slot i has reached the iron surface. A steep enough arrival over
// two neighbouring iron atoms not yet oxidised forms two FeO ion pairs in the
// surface (O2 + 2 Fe -> 2 FeO); a shallow one bounces.
void ReaccioFeO(SimulationState& s, int i);

} // namespace tarvon
