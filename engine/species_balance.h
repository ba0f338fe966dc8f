#pragma once

#include "engine/simulation_state.h"

#include <string>

namespace tarvon {

// The species counters against what each reaction conserves: its atoms, and
// the molecules its lists hold (slot states, atom tags, released lattice
// sites). Expects the counts within their lists. Returns the first violation,
// or "".
std::string SpeciesBalanceViolation(const SimulationState& s);

} // namespace tarvon
