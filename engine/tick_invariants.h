#pragma once

#include "engine/simulation_state.h"

#include <string>

namespace tarvon {

// What holds while the animation runs: counts within their lists and every
// moving slot inside the box (a slot that a collision pushed past a wall is
// back inside after its next wall step). Returns the first violation, or "".
std::string TickInvariantViolation(const SimulationState& s);

} // namespace tarvon
