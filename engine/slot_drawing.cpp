#include "engine/slot_drawing.h"

#include "engine/projection.h"

#include <cmath>

namespace tarvon {

namespace {

struct Point3 {
    float x, y, z;
};

// Drawing direction u' = (DirX, -DirY, DirZ): screen y grows downwards.
Point3 alongSlot(const SimulationState& s, int i, const Point3& from, float t) {
    return {from.x + t * s.DirX[i], from.y - t * s.DirY[i], from.z + t * s.DirZ[i]};
}

Point3 centreOf(const SimulationState& s, int i) {
    return {s.PosX[i], s.PosY[i], s.PosZ[i]};
}

// One kind of atom: its shapes and the lists that hold their centres and
// screen positions.
struct AtomKind {
    ShapeArray& shapes;
    FloatList &X, &Y, &Z, &PantX, &PantY;
};

AtomKind kindA(SimulationState& s) {
    return {s.caja.AtomA, s.AtomAX, s.AtomAY, s.AtomAZ, s.PantAX, s.PantAY};
}

AtomKind kindB(SimulationState& s) {
    return {s.caja.AtomB, s.AtomBX, s.AtomBY, s.AtomBZ, s.PantBX, s.PantBY};
}

// Places atom k of a kind with its box-space centre p; returns where it went.
ScreenPos place(const SimulationState& s, const AtomKind& kind, long k, const Point3& p, float r,
                float rho) {
    kind.X[k] = p.x;
    kind.Y[k] = p.y;
    kind.Z[k] = p.z;
    const ScreenPos at = projectAtom(s, p.x, p.y, p.z, r, rho);
    kind.PantX[k] = at.left;
    kind.PantY[k] = at.top;
    kind.shapes.move(k, at.left, at.top);
    return at;
}

void sizeByDepth(AtomShape& shape, const SimulationState& s, int i, float R) {
    shape.height = depthSize(s, s.PosZ[i], R);
    shape.width = shape.height;
}

void drawFeO(SimulationState& s, int i) {
    const long a = s.TaulaMol(i, 1), b = s.TaulaMol(i, 2);
    const float r = s.RadiA[0], k = s.FactorEnllac;
    const Point3 first = alongSlot(s, i, centreOf(s, i), -k * r);
    place(s, kindA(s), a, first, r, 2 * r);
    place(s, kindA(s), b, alongSlot(s, i, first, 2 * k * r), r, 2 * r);
    // O2 always in front of the iron surface.
    for (long atom : {a, b}) {
        s.caja.AtomA.bringToFront(atom);
        s.caja.AtomA[atom].visible = true;
    }
}

void drawHgO(SimulationState& s, int i) {
    const float size = s.MidaMol[i];
    if (i < s.NumB) { // a released mercury atom
        place(s, kindB(s), i, centreOf(s, i), size, size);
        s.caja.AtomB[i].visible = true;
        return;
    }
    const long m = i - s.NumB, a = 2 * m, b = 2 * m + 1;
    const float k = s.FactorEnllac;
    const Point3 first = alongSlot(s, i, centreOf(s, i), -k * s.RadiA[b]);
    place(s, kindA(s), a, first, s.RadiA[a], size);
    s.caja.AtomA[a].visible = true;
    place(s, kindA(s), b, alongSlot(s, i, first, k * size), s.RadiA[b], size);
    s.caja.AtomA[b].visible = true;
}

void drawHI(SimulationState& s, int i) {
    const float rA = s.RadiA[i], rB = s.RadiB[i], k = s.FactorEnllac, rho = rA + rB;
    const Point3 first = alongSlot(s, i, centreOf(s, i), -k * rB);
    place(s, kindA(s), i, first, rA, rho);
    place(s, kindB(s), i, alongSlot(s, i, first, k * (rA + rB)), rB, rho);
    sizeByDepth(s.caja.AtomA[i], s, i, rA);
    sizeByDepth(s.caja.AtomB[i], s, i, rB);
    s.caja.AtomA[i].visible = true;
    s.caja.AtomB[i].visible = true;
}

void drawAmmonia(SimulationState& s, int i) {
    const float rA0 = s.RadiA[0], rB0 = s.RadiB[0];
    const long n = s.TaulaMol(i, 1);
    const ScreenPos N = place(s, kindA(s), n, centreOf(s, i), rA0, s.MidaMol[i]);
    // The hydrogens sit on the nitrogen's square in screen space only.
    const ScreenPos h[3] = {{N.left - rB0, N.top},
                            {N.left + 2 * rA0 - rB0, N.top},
                            {N.left + rA0 - rB0, N.top + 2 * rA0 - rB0}};
    sizeByDepth(s.caja.AtomA[n], s, i, rA0);
    s.caja.AtomA.sendToBack(n);
    s.caja.AtomA[n].visible = true;
    for (int c = 0; c < 3; ++c) {
        const long atom = s.TaulaMol(i, 2 + c);
        s.PantBX[atom] = h[c].left;
        s.PantBY[atom] = h[c].top;
        s.caja.AtomB.move(atom, h[c].left, h[c].top);
        sizeByDepth(s.caja.AtomB[atom], s, i, rB0);
        s.caja.AtomB.sendToBack(atom);
        s.caja.AtomB[atom].visible = true;
    }
}

void drawNH3(SimulationState& s, int i) {
    if (s.TaulaMol.state(i) != SlotState::Reactant) {
        drawAmmonia(s, i);
        return;
    }
    const bool nitrogen = i < s.NumA / 2.0f;
    const AtomKind kind = nitrogen ? kindA(s) : kindB(s);
    const float r = nitrogen ? s.RadiA[0] : s.RadiB[0];
    const float k = s.FactorEnllac, size = s.MidaMol[i];
    const long a = s.TaulaMol(i, 1), b = s.TaulaMol(i, 2);
    const Point3 first = alongSlot(s, i, centreOf(s, i), -k * r);
    place(s, kind, a, first, r, size);
    place(s, kind, b, alongSlot(s, i, first, k * size), r, size);
    for (long atom : {a, b}) {
        sizeByDepth(kind.shapes[atom], s, i, r);
        kind.shapes[atom].visible = true;
    }
}

void highlight(AtomShape& shape) {
    shape.border = {0, 255, 0};
    shape.borderWidth = 2;
}

} // namespace

void DrawSlot(SimulationState& s, Reaction reaction, int i) {
    switch (reaction) {
    case Reaction::FeO:
        drawFeO(s, i);
        break;
    case Reaction::NH3:
        drawNH3(s, i);
        break;
    case Reaction::HI:
        drawHI(s, i);
        break;
    case Reaction::HgO:
        drawHgO(s, i);
        break;
    case Reaction::None:
        break;
    }
}

void RestackByDepth(SimulationState& s) {
    const float d = s.DistEnllac;
    if (!(d > 0))
        return;
    const long Q = std::lrint(s.CaixaZ / d); // halves to even
    // Nearer bands go back first, so the deepest band ends at the very back.
    for (long q = 0; q <= Q; ++q) {
        const float lo = q * 2 * d, hi = (q + 1) * 2 * d;
        for (int i = 0; i < s.NombreMol; ++i) {
            if (lo < s.PosZ[i] && s.PosZ[i] <= hi) {
                s.caja.AtomA.sendToBack(i);
                s.caja.AtomB.sendToBack(i);
            }
        }
    }
}

void HighlightCapture(SimulationState& s, Reaction reaction) {
    if (reaction == Reaction::HI) {
        for (int n = 0; n < 2; ++n) {
            const int i = s.meca.IdxMeca[n];
            highlight(s.caja.AtomA[i]);
            highlight(s.caja.AtomB[i]);
        }
        return;
    }
    if (reaction != Reaction::NH3)
        return;
    for (int n = 0; n < 4; ++n) {
        const int i = s.meca.IdxMeca[n];
        if (s.TaulaMol.state(i) != SlotState::Reactant) { // ammonia: one N, three H
            highlight(s.caja.AtomA[s.TaulaMol(i, 1)]);
            for (int c = 2; c <= 4; ++c)
                highlight(s.caja.AtomB[s.TaulaMol(i, c)]);
            continue;
        }
        ShapeArray& shapes = i < s.NumA / 2.0f ? s.caja.AtomA : s.caja.AtomB;
        highlight(shapes[s.TaulaMol(i, 1)]);
        highlight(shapes[s.TaulaMol(i, 2)]);
    }
}

} // namespace tarvon
