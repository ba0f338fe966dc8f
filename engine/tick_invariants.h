#pragma once

#include "engine/simulation_state.h"

#include <string>

namespace tarvon {

// What holds after every tick: counts within their lists, every slot the tick
// moves where its wall step keeps it (but the one it held back for a capture),
// and the species totals each reaction conserves. Returns the first violation,
// or "".
std::string TickInvariantViolation(const SimulationState& s);

} // namespace tarvon
