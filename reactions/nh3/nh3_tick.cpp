#include "reactions/nh3/nh3_parts.h"

#include "engine/slot_drawing.h"
#include "engine/slot_steps.h"
#include "engine/walls.h"

namespace tarvon {

bool MovesNH3(const SimulationState& s, int i) {
    return s.TaulaMol.inPlay(i);
}

SlotMargins MarginsNH3(const SimulationState& s, int i) {
    return UniformMargins(s.MidaMol[i]);
}

namespace {

// The N2 slots come first, then the H2 ones.
bool isNitrogen(const SimulationState& s, int i) {
    return i < s.NumA / 2.0f;
}

void drawAmmonia(SimulationState& s, int i) {
    const float rA0 = s.RadiA[0], rB0 = s.RadiB[0];
    const long n = s.TaulaMol(i, 1);
    const ScreenPos N = PlaceAtom(s, KindA(s), n, SlotCentre(s, i), rA0, s.MidaMol[i]);
    // The hydrogens sit on the nitrogen's square in screen space only.
    const ScreenPos h[3] = {{N.left - rB0, N.top},
                            {N.left + 2 * rA0 - rB0, N.top},
                            {N.left + rA0 - rB0, N.top + 2 * rA0 - rB0}};
    SizeByDepth(s.caja.AtomA[n], s, i, rA0);
    s.caja.AtomA.sendToBack(n);
    s.caja.AtomA[n].visible = true;
    for (int c = 0; c < 3; ++c) {
        const long atom = s.TaulaMol(i, 2 + c);
        s.PantBX[atom] = h[c].left;
        s.PantBY[atom] = h[c].top;
        s.caja.AtomB.move(atom, h[c].left, h[c].top);
        SizeByDepth(s.caja.AtomB[atom], s, i, rB0);
        s.caja.AtomB.sendToBack(atom);
        s.caja.AtomB[atom].visible = true;
    }
}

} // namespace

void DrawNH3(SimulationState& s, int i) {
    if (s.TaulaMol.state(i) != SlotState::Reactant) {
        drawAmmonia(s, i);
        return;
    }
    const bool nitrogen = isNitrogen(s, i);
    const AtomKind kind = nitrogen ? KindA(s) : KindB(s);
    const float r = nitrogen ? s.RadiA[0] : s.RadiB[0];
    const float k = s.FactorEnllac, size = s.MidaMol[i];
    const long a = s.TaulaMol(i, 1), b = s.TaulaMol(i, 2);
    const Point3 first = AlongSlot(s, i, SlotCentre(s, i), -k * r);
    PlaceAtom(s, kind, a, first, r, size);
    PlaceAtom(s, kind, b, AlongSlot(s, i, first, k * size), r, size);
    for (long atom : {a, b}) {
        SizeByDepth(kind.shapes[atom], s, i, r);
        kind.shapes[atom].visible = true;
    }
}

void HighlightNH3(SimulationState& s) {
    for (int n = 0; n < 4; ++n) {
        const int i = s.meca.IdxMeca[n];
        if (s.TaulaMol.state(i) != SlotState::Reactant) { // ammonia: one N, three H
            MarkCaptured(s.caja.AtomA[s.TaulaMol(i, 1)]);
            for (int c = 2; c <= 4; ++c)
                MarkCaptured(s.caja.AtomB[s.TaulaMol(i, c)]);
            continue;
        }
        ShapeArray& shapes = isNitrogen(s, i) ? s.caja.AtomA : s.caja.AtomB;
        MarkCaptured(shapes[s.TaulaMol(i, 1)]);
        MarkCaptured(shapes[s.TaulaMol(i, 2)]);
    }
}

void TickNH3(TickContext& t) {
    SimulationState& s = t.s;
    for (int i = 0; i <= s.NombreMol - 1; ++i) {
        if (!s.EnSolid[i] && MovesNH3(s, i) && GasRule(t, i)) {
            WallsAndMotion(s, t.rnd, i, wallLimits(s, MarginsNH3(s, i)));
            DrawNH3(s, i);
        }
        ShowGasCapture(t, HighlightNH3); // and the loop goes on
    }
}

} // namespace tarvon
