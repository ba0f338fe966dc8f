#pragma once

#include "engine/projection.h"
#include "engine/simulation_state.h"

namespace tarvon {

// What the reactions' drawings of their slots share: the slot's axis, the
// atom kinds, the projection into Caja and the depth sizes.

struct Point3 {
    float x, y, z; // twips
};

inline Point3 SlotCentre(const SimulationState& s, int i) {
    return {s.PosX[i], s.PosY[i], s.PosZ[i]};
}

// t along the drawing direction u' = (DirX, -DirY, DirZ): screen y grows
// downwards.
inline Point3 AlongSlot(const SimulationState& s, int i, const Point3& from, float t) {
    return {from.x + t * s.DirX[i], from.y - t * s.DirY[i], from.z + t * s.DirZ[i]};
}

// One kind of atom: its shapes and the lists that hold their centres and
// screen positions.
struct AtomKind {
    ShapeArray& shapes;
    FloatList &X, &Y, &Z, &PantX, &PantY;
};

inline AtomKind KindA(SimulationState& s) {
    return {s.caja.AtomA, s.AtomAX, s.AtomAY, s.AtomAZ, s.PantAX, s.PantAY};
}

inline AtomKind KindB(SimulationState& s) {
    return {s.caja.AtomB, s.AtomBX, s.AtomBY, s.AtomBZ, s.PantBX, s.PantBY};
}

// Places atom k of a kind with its box-space centre p, radius r, in a slot
// keeping the wall margin rho; returns where it went.
inline ScreenPos PlaceAtom(const SimulationState& s, const AtomKind& kind, long k, const Point3& p,
                           float r, float rho) {
    kind.X[k] = p.x;
    kind.Y[k] = p.y;
    kind.Z[k] = p.z;
    const ScreenPos at = projectAtom(s, p.x, p.y, p.z, r, rho);
    kind.PantX[k] = at.left;
    kind.PantY[k] = at.top;
    kind.shapes.move(k, at.left, at.top);
    return at;
}

// A shape of radius R drawn at the depth of slot i.
inline void SizeByDepth(AtomShape& shape, const SimulationState& s, int i, float R) {
    shape.height = depthSize(s, s.PosZ[i], R);
    shape.width = shape.height;
}

// The green border of an atom of a captured group.
inline void MarkCaptured(AtomShape& shape) {
    shape.border = {0, 255, 0};
    shape.borderWidth = 2;
}

// Re-stacks the atoms by depth bands of 2 * DistEnllac so that nearer
// molecules hide farther ones.
void RestackByDepth(SimulationState& s);

} // namespace tarvon
