#pragma once

#include "engine/simulation_state.h"

#include <string>

namespace tarvon {

// What must hold after every tick: counts within their lists and every moving
// slot inside the box. Returns the first violation found, or "".
std::string TickInvariantViolation(const SimulationState& s);

} // namespace tarvon
