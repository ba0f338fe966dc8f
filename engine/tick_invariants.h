#pragma once

#include "engine/simulation_state.h"

#include <stdexcept>
#include <string>

namespace tarvon {

// What holds after every tick: counts within their lists, every slot the tick
// moves where its wall step keeps it (but the one it held back for a capture),
// and the species totals each reaction conserves. Returns the first violation,
// or "".
std::string TickInvariantViolation(const SimulationState& s);

// Raised at the end of a tick that broke them, in builds with TARVON_TICK_CHECKS.
class TickInvariantBroken : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

// Throws TickInvariantBroken naming the first violation.
void CheckTickInvariants(const SimulationState& s);

} // namespace tarvon
