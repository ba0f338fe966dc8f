#pragma once

#include "engine/collision_counts.h"
#include "engine/particle_lists.h"

#include <array>
#include <cstdint>
#include <string>

namespace tarvon {

// Marks an empty entry of CellesOxid and OxigenCella.
inline constexpr std::int16_t kNoCell = 10000;

// Where the iron layer of "FeO" starts, twips, and its atom diameter.
struct IronLayer {
    float left = 0;   // x of column 0
    float height = 0; // y of the layer
    float depth = 0;  // z of row 0
    float dFe = 0;    // iron diameter
};

// The settings a population reads and what the populations and reaction
// events keep between ticks.
struct ReactionState {
    int NombreP = 81;        // particle-number setting N
    int NPUs = 81;           // oxygen budget of "FeO", a copy of NombreP
    float FactorDiam = 1.0f; // diameter factor of the settings
    float FactorVel = 0;     // speed factor of the population
    int CostatSolid = 0;     // side of the iron layer or of the HgO block

    CheckedList<std::int16_t> TaulaVel; // speed levels, entry 500 never drawn

    // "HgO": first index of every ion pair, and the order of their release.
    CheckedList<std::int16_t, 401> Parells, OrdreParells;

    // "FeO": the iron layer and its oxidised cells.
    IronLayer capa;
    FloatList FerroX, FerroY, FerroZ, DiamFerro;
    CheckedList<std::int16_t> CellesOxid, OxigenCella;
    int NumCellesOxid = 0;
    // Slots that met the iron surface at the last tick, so that an O2 sliding
    // along it counts as one arrival.
    CheckedList<bool> EnSuperficie;

    CollisionCounts xocs;
};

} // namespace tarvon
