#include "reactions/nh3/nh3_parts.h"

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

// Three hydrogens per nitrogen must fit the atom lists; NumA stays even.
constexpr int kMaxNitrogen = kListSize / 3 / 2 * 2;

// Row i of TaulaMol and the kind of its atoms: N2 in the first NumA / 2
// slots, H2 after them.
bool writeRow(SimulationState& s, int i) {
    const bool hydrogen = i >= s.NumA / 2.0;
    const int first = hydrogen ? 2 * i - s.NumA : 2 * i;
    s.TaulaMol.setState(i, SlotState::Reactant);
    s.TaulaMol(i, 1) = static_cast<std::int16_t>(first);
    s.TaulaMol(i, 2) = static_cast<std::int16_t>(first + 1);
    return hydrogen;
}

void placeNH3(SimulationState& s, UniformRandom& rnd, int i, bool hydrogen) {
    const long a = s.TaulaMol(i, 1), b = s.TaulaMol(i, 2);
    const float r = hydrogen ? s.RadiB[a] : s.RadiA[a];
    const float size = 2 * r, k = s.FactorEnllac;
    s.MidaMol[i] = size;
    SituaCentre(s, rnd, i, size);
    const auto centre = hydrogen ? CentreB : CentreA;
    PlaceAtomPair(s, i, centre(s, a), centre(s, b), r * k, size * k);
}

} // namespace

void PoblacioNH3(SimulationState& s, UniformRandom& rnd) {
    const CAtom atoms;
    s.NumA = std::clamp(2 * Int(s.NombreP / 8.0), 0, kMaxNitrogen);
    s.NumB = 3 * s.NumA;
    s.NombreMol = 2 * s.NumA;
    atoms.Crea_AtomsA(s, s.NumA);
    atoms.Crea_AtomsB(s, s.NumB);
    atoms.Propietats_AtomsA(s, 0.74f * s.Diam, s.NumA, ColorsEspecie(4), ColorsEspecie(6));
    atoms.Propietats_AtomsB(s, 0.37f * s.Diam, s.NumB, ColorsEspecie(1), ColorsEspecie(6));
    s.FactorEnllac = 0.85f;
    OmplirTaulaVel(s);
    for (int i = 0; i <= s.NombreMol - 1; ++i) {
        Velocitat_Inicial(s, rnd, i);
        placeNH3(s, rnd, i, writeRow(s, i));
    }
    s.nN2 = CInt(s.NumA / 2.0);
    s.nH2 = CInt(3 * s.NumA / 2.0);
    s.nNH3 = 0;
}

} // namespace tarvon
