#pragma once

#include "engine/clock.h"
#include "engine/simulation_state.h"

namespace tarvon {

// "HgO" on heating: the next ion pair of OrdreParells leaves the solid as two
// mercury atoms and one O2 molecule (2 HgO -> 2 Hg + O2).
void ReleaseHgO(SimulationState& s, const Clock& clock);

} // namespace tarvon
