#pragma once

#include "engine/mol_table.h"

#include <cstdint>

namespace tarvon {

using FloatList = CheckedList<float>;

// Per-slot and per-atom lists, 501 entries each. Positions and sizes in twips,
// angles in degrees.
struct ParticleLists {
    // Per molecule slot.
    FloatList PosX, PosY, PosZ; // centre; z is depth behind the front face
    FloatList VelX, VelY, VelZ; // displacement per tick
    FloatList DirX, DirY, DirZ; // orientation cosines
    FloatList Alfa, Beta;       // degrees
    FloatList MidaMol;          // collision size
    CheckedList<bool> EnSolid;  // lattice site: never moved by the tick

    // Per atom shape.
    FloatList RadiA, RadiB, RadiC, RadiD;
    FloatList AtomAX, AtomAY, AtomAZ;
    FloatList AtomBX, AtomBY, AtomBZ;
    FloatList PantAX, PantAY; // last Left, Top given to AtomA(k)
    FloatList PantBX, PantBY;

    // Per lattice slot: where the solid drew it.
    FloatList PantSolX, PantSolY;

    MolTable TaulaMol;
};

} // namespace tarvon
