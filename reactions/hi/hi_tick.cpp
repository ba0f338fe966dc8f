#include "reactions/hi/hi_parts.h"

#include "engine/slot_drawing.h"
#include "engine/slot_steps.h"
#include "engine/walls.h"

namespace tarvon {

bool MovesHI(const SimulationState&, int) {
    return true;
}

SlotMargins MarginsHI(const SimulationState& s, int i) {
    return UniformMargins(s.RadiA[i] + s.RadiB[i]);
}

void DrawHI(SimulationState& s, int i) {
    const float rA = s.RadiA[i], rB = s.RadiB[i], k = s.FactorEnllac, rho = rA + rB;
    const Point3 first = AlongSlot(s, i, SlotCentre(s, i), -k * rB);
    PlaceAtom(s, KindA(s), i, first, rA, rho);
    PlaceAtom(s, KindB(s), i, AlongSlot(s, i, first, k * (rA + rB)), rB, rho);
    SizeByDepth(s.caja.AtomA[i], s, i, rA);
    SizeByDepth(s.caja.AtomB[i], s, i, rB);
    s.caja.AtomA[i].visible = true;
    s.caja.AtomB[i].visible = true;
}

void HighlightHI(SimulationState& s) {
    for (int n = 0; n < 2; ++n) {
        const int i = s.meca.IdxMeca[n];
        MarkCaptured(s.caja.AtomA[i]);
        MarkCaptured(s.caja.AtomB[i]);
    }
}

void TickHI(TickContext& t) {
    SimulationState& s = t.s;
    for (int i = 0; i <= s.NombreMol - 1; ++i) {
        if (!s.EnSolid[i] && MovesHI(s, i) && GasRule(t, i)) {
            WallsAndMotion(s, t.rnd, i, wallLimits(s, MarginsHI(s, i)));
            DrawHI(s, i);
        }
        // The rest of the slots wait for "Continuar".
        if (ShowGasCapture(t, HighlightHI))
            break;
    }
    // Also after a capture ended the loop early.
    RestackByDepth(s);
}

} // namespace tarvon
