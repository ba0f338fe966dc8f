#include "reactions/nh3/nh3_parts.h"

#include "reactions/mechanism_continue.h"

namespace tarvon {

// The captured atoms lose their highlight; the two ammonia molecules formed
// are shown whole.
void ContinueNH3(SimulationState& s) {
    if (!s.meca.MecaMostrat)
        return;
    s.meca.MecaMostrat = false;
    for (int a = 0; a <= s.NumA - 1; ++a)
        NormalBorder(s.caja.AtomA[a]);
    for (int b = 0; b <= s.NumB - 1; ++b)
        NormalBorder(s.caja.AtomB[b]);
    for (int n : {0, 1}) {
        const long row = s.meca.IdxMeca[n];
        s.caja.AtomA[s.TaulaMol(row, 1)].visible = true;
        for (int c = 2; c <= 4; ++c)
            s.caja.AtomB[s.TaulaMol(row, c)].visible = true;
    }
}

} // namespace tarvon
