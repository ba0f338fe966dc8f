#include "reactions/hi/hi_parts.h"

#include "reactions/mechanism_continue.h"

namespace tarvon {

// The H2 and I2 just formed, without their highlight.
void ContinueHI(SimulationState& s) {
    if (!s.meca.MecaMostrat)
        return;
    s.meca.MecaMostrat = false;
    for (int n : {0, 1}) {
        const long i = s.meca.IdxMeca[n];
        for (AtomShape* shape : {&s.caja.AtomA[i], &s.caja.AtomB[i]}) {
            NormalBorder(*shape);
            shape->visible = true;
        }
    }
}

} // namespace tarvon
