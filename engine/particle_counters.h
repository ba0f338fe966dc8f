#pragma once

#include <array>

namespace tarvon {

// Particles of each species; nH2 is shared by "HI" and "NH3", nO2 by "FeO" and "HgO".
// A new species is one more counter here, and in allSpecies().
struct SpeciesCounters {
    int nHI = 0, nH2 = 0, nI2 = 0;
    int nN2 = 0, nNH3 = 0;
    int nO2 = 0, nFeO = 0;
    int nHg = 0;

    std::array<int, 8> allSpecies() const { return {nHI, nH2, nI2, nN2, nNH3, nO2, nFeO, nHg}; }
};

} // namespace tarvon
