#include "reactions/hgo/release_hgo.h"

#include "reactions/atom_colours.h"
#include "reactions/atom_pair.h"
#include "reactions/mechanism_capture.h"

#include <cmath>

namespace tarvon {

namespace {

// Freed particles rise from the block whatever way they were heading.
void riseFromSolid(SimulationState& s, long slot) {
    s.EnSolid[slot] = false;
    s.VelY[slot] = -std::fabs(s.VelY[slot]) - 0.1f * s.DistEnllac;
}

void capture(SimulationState& s, long k) {
    CaptureState& m = s.meca;
    const long idx[4] = {k, k + 1, k, k + 1};
    const AtomShape* shapes[4] = {&s.caja.AtomA[k], &s.caja.AtomA[k + 1], &s.caja.AtomB[k],
                                  &s.caja.AtomB[k + 1]};
    for (int n = 0; n < 4; ++n) {
        m.IdxMeca[n] = static_cast<std::int16_t>(idx[n]);
        PhotographCaptured(s, n, *shapes[n]);
    }
    m.MecaCapturat = true;
}

void mercuryAtom(SimulationState& s, long h) {
    const float D0 = s.Diam;
    AtomShape& shape = s.caja.AtomB[h];
    s.MidaMol[h] = 0.72f * D0;
    shape.height = shape.width = 1.44f * D0;
    shape.fill = kMetalFill;
    s.caja.AtomB.setStill(h, false);
    riseFromSolid(s, h);
}

// The two oxide ions k and k + 1 form the O2 of slot m, centred between the
// two mercury slots of the pair.
void oxygenMolecule(SimulationState& s, long k) {
    const float D0 = s.Diam;
    const long m = std::lrint(k / 2.0 + s.NumB);
    for (long a : {k, k + 1}) {
        s.caja.AtomA[a].fill = ColorsEspecie(5);
        s.caja.AtomA[a].height = s.caja.AtomA[a].width = 0.74f * D0;
        s.caja.AtomA.setStill(a, false);
    }
    s.RadiA[k] = 0.37f * D0;
    s.RadiA[k + 1] = s.RadiA[k];
    s.MidaMol[m] = 2 * s.RadiA[k];
    s.PosX[m] = (s.PosX[k] + s.PosX[k + 1]) / 2;
    s.PosY[m] = (s.PosY[k] + s.PosY[k + 1]) / 2;
    s.PosZ[m] = (s.PosZ[k] + s.PosZ[k + 1]) / 2;
    riseFromSolid(s, m);
    const float bond = s.FactorEnllac; // 0.9 for this reaction
    PlaceAtomPair(s, static_cast<int>(m), CentreA(s, k), CentreA(s, k + 1), s.RadiA[k] * bond,
                  s.MidaMol[m] * bond);
}

} // namespace

void ReleaseHgO(SimulationState& s, const Clock& clock) {
    s.TempsEvent = clock.now();
    const long k = s.OrdreParells[std::lrint(s.nHg / 2.0)];
    if (s.meca.MecaDemanat)
        capture(s, k);
    mercuryAtom(s, k);
    mercuryAtom(s, k + 1);
    oxygenMolecule(s, k);
    s.nHg += 2;
    s.nO2 += 1;
}

} // namespace tarvon
