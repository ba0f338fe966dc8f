#pragma once

#include "engine/simulation_state.h"

#include <vector>

namespace tarvon {

// What each counter box counts; the window gives it its caption.
enum class CounterId {
    OxigenInicial,     // "FeO": O2 at the start
    OxigenPresent,     // "FeO": O2 left
    FeOFormat,         // "FeO": FeO units formed
    MoleculesPresents, // "NH3", "HI": every molecule
    NH3,
    N2,
    H2,
    HI,
    Hidrogen, // "HI": H2 formed
    Iode,     // "HI": I2 formed
    HgOInicial,
    HgOPresent,
    OxigenGas,
    MercuriGas,
};

struct Counter {
    CounterId id;
    int value;
};

// The counter boxes of the running reaction, txt0 first: four, or three for
// "FeO"; none without a reaction.
std::vector<Counter> Comptadors(const SimulationState& s);

} // namespace tarvon
