#pragma once

#include "engine/simulation_state.h"
#include "texts/text_key.h"

#include <cstddef>
#include <vector>

namespace tarvon {

// One counter box of a reaction: its caption and what it counts.
struct CounterBox {
    TextKey caption;
    int (*value)(const SimulationState&);
};

// What a counter box shows now.
struct Counter {
    TextKey caption;
    int value;
};

// The caption of "NH3" and "HI" for every molecule in the box.
inline constexpr TextKey kMoleculesPresents = TX("reactions", "Molècules presents:");

// The counter boxes of the running reaction, txt0 first; none without a
// reaction.
std::vector<Counter> Comptadors(const SimulationState& s);

// One species column of the data table: its header, and the counter box
// whose count it takes, numbered from 0 (txt0).
struct DataColumn {
    const char* name;
    std::size_t counter;
};

} // namespace tarvon
