#pragma once

#include "engine/catom.h"
#include "engine/orienta.h"
#include "engine/reference_box.h"
#include "engine/simulation_state.h"
#include "reactions/registry.h"

#include <cmath>

namespace tarvon::bench {

// "HgO" gas after the solid has gone: slots below NumB are mercury atoms,
// the rest O2 molecules, two mercury atoms for each, all moving. The slots are
// rounded down to a multiple of three; 501 fills the lists.
inline void makeHgOGas(SimulationState& s, UniformRandom& rnd, int slots) {
    SetReferenceBox(s);
    const CAtom atoms;
    const int oxygen = slots / 3;
    slots = 3 * oxygen;
    UseReaction(s, FindReaction("HgO"));
    s.NombreMol = slots;
    s.NumB = 2 * oxygen;
    s.NumA = 2 * oxygen;
    s.nHg = s.NumB; // every pair released: no timed event left
    s.nO2 = oxygen;
    s.FactorEnllac = 0.9f;
    s.DistEnllac = 210;
    atoms.Crea_AtomsA(s, s.NumA);
    atoms.Crea_AtomsB(s, s.NumB);
    atoms.Propietats_AtomsA(s, 0.74f * 150, s.NumA, {0, 60, 255}, {0, 0, 255});
    atoms.Propietats_AtomsB(s, 1.44f * 150, s.NumB, {200, 210, 220}, {0, 0, 255});
    for (int i = 0; i < slots; ++i) {
        s.MidaMol[i] = i < s.NumB ? 0.72f * 150 : 0.74f * 150;
        s.EnSolid[i] = false;
        Orienta(s, rnd, i, static_cast<float>(rnd.next() * 181));
        s.PosX[i] = static_cast<float>(s.OrigenX + 200 + (s.CaixaX - 400) * rnd.next());
        s.PosY[i] = static_cast<float>(s.OrigenY + 200 + (s.CaixaY - 400) * rnd.next());
        s.PosZ[i] = static_cast<float>(200 + (s.CaixaZ - 400) * rnd.next());
        s.VelX[i] = static_cast<float>(60 * rnd.next() - 30);
        s.VelY[i] = static_cast<float>(60 * rnd.next() - 30);
        s.VelZ[i] = static_cast<float>(60 * rnd.next() - 30);
    }
}

} // namespace tarvon::bench
