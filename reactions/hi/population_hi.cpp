#include "reactions/hi/hi_parts.h"

#include "engine/catom.h"
#include "reactions/atom_colours.h"
#include "reactions/atom_pair.h"
#include "reactions/rounding.h"
#include "reactions/situa_centre.h"
#include "reactions/speed_table.h"
#include "reactions/velocitat_inicial.h"

#include <algorithm>

namespace tarvon {

namespace {

// Iodine atom i, then hydrogen atom i one bond further along the slot.
void placeHI(SimulationState& s, UniformRandom& rnd, int i) {
    const float rA = s.RadiA[i], rB = s.RadiB[i], k = s.FactorEnllac, L = rA + rB;
    SituaCentre(s, rnd, i, L);
    PlaceAtomPair(s, i, CentreA(s, i), CentreB(s, i), rB * k, L * k);
}

} // namespace

void PoblacioHI(SimulationState& s, UniformRandom& rnd) {
    const CAtom atoms;
    // Every slot owns atom i of each kind, so the atom lists bound the count.
    const int n = std::clamp(CInt(s.NombreP / 2.0), 0, kListSize);
    s.NumA = s.NumB = s.NombreMol = n;
    atoms.Crea_AtomsA(s, n);
    atoms.Crea_AtomsB(s, n);
    atoms.Propietats_AtomsA(s, 1.33f * s.Diam, n, ColorsEspecie(4), ColorsEspecie(6));
    atoms.Propietats_AtomsB(s, 0.37f * s.Diam, n, ColorsEspecie(1), ColorsEspecie(6));
    s.FactorEnllac = 0.85f;
    OmplirTaulaVel(s);
    for (int i = 0; i <= s.NombreMol - 1; ++i) {
        Velocitat_Inicial(s, rnd, i);
        placeHI(s, rnd, i);
    }
    s.nHI = s.NombreMol;
    s.nH2 = s.nI2 = 0;
}

} // namespace tarvon
