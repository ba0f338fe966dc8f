#pragma once

#include "engine/simulation_state.h"

#include <string>

namespace tarvon {

// A counter box's text: the caption, then the value with its sign position
// (a blank for a value not below zero).
std::string CounterText(const std::string& caption, int value);

// Rewrites txt0 to txt3 from the counters of the running reaction; a reaction
// with three counters leaves txt3 as it was.
void EscriuComptadors(SimulationState& s);

} // namespace tarvon
