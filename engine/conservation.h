#pragma once

#include "engine/simulation_state.h"

#include <string>

namespace tarvon {

// The species counters against what the chosen reaction conserves: its
// atoms, and the molecules its lists hold (slot states, atom tags, released
// lattice sites). Expects the counts within their lists. Returns the first
// violation, or "".
std::string SpeciesBalanceViolation(const SimulationState& s);

// Whether a shape array holds shapes 0 to n - 1.
inline bool ShapesHold(const ShapeArray& shapes, int n) {
    return shapes.upperIndex() + 1 >= n;
}

} // namespace tarvon
