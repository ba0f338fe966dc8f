#pragma once

namespace tarvon {

// Particles of each species; nH2 is shared by "HI" and "NH3", nO2 by "FeO" and "HgO".
struct SpeciesCounters {
    int nHI = 0, nH2 = 0, nI2 = 0;
    int nN2 = 0, nNH3 = 0;
    int nO2 = 0, nFeO = 0;
    int nHg = 0;
};

} // namespace tarvon
