#include "reactions/hgo/hgo_parts.h"

#include "engine/pair_test.h"
#include "engine/slot_drawing.h"
#include "engine/slot_steps.h"
#include "engine/walls.h"

namespace tarvon {

bool MovesHgO(const SimulationState&, int) {
    return true;
}

SlotMargins MarginsHgO(const SimulationState& s, int i) {
    return UniformMargins(s.MidaMol[i]);
}

void DrawHgO(SimulationState& s, int i) {
    const float size = s.MidaMol[i];
    if (i < s.NumB) { // a released mercury atom
        PlaceAtom(s, KindB(s), i, SlotCentre(s, i), size, size);
        s.caja.AtomB[i].visible = true;
        return;
    }
    const long m = i - s.NumB, a = 2 * m, b = 2 * m + 1;
    const float k = s.FactorEnllac;
    const Point3 first = AlongSlot(s, i, SlotCentre(s, i), -k * s.RadiA[b]);
    PlaceAtom(s, KindA(s), a, first, s.RadiA[a], size);
    s.caja.AtomA[a].visible = true;
    PlaceAtom(s, KindA(s), b, AlongSlot(s, i, first, k * size), s.RadiA[b], size);
    s.caja.AtomA[b].visible = true;
}

namespace {

// The next ion pair leaves the solid every half second, every 3 s in the

// mechanism view.

void timedRelease(TickContext& t) {
    SimulationState& s = t.s;
    s.IntervalEvent = s.meca.MecaDemanat ? 3.0f : 0.5f;
    // Compared in single precision, like the row rule: a release due on a tick
    // must not wait one more tick for a rounding error of the clock.
    const auto elapsed = static_cast<float>(t.clock.now() - s.TempsEvent);
    if (elapsed >= s.IntervalEvent && s.nHg < s.NumB)
        t.hooks.reaccioXoc(s, s.nHg);
}

void step(TickContext& t, int i) {
    SimulationState& s = t.s;
    // j = i is tested too; its ratio is 0, so it never passes. Slots from NumB
    // on are kept for the O2 molecules to come; while solid they hold the
    // hidden last mercury site or an oxide site, whose ion may be in the block
    // or long gone, so they take no part: each O2 gets a slot of its own and
    // nothing invisible stands in the way. Mercury sites stay obstacles until
    // released.
    const float* size = s.MidaMol.data();
    const bool* solid = s.EnSolid.data();
    const int firstO2 = s.NumB;
    PairScan(
        s, i, 0, s.NombreMol - 1, 1.0,
        [&s, i, size](int j) { return static_cast<double>(s.MidaMol[i]) + size[j]; },
        [&t, i](int j) { t.hooks.xocMolecules(t.s, i, j); },
        [solid, firstO2](int j) { return j < firstO2 || !solid[j]; });
    WallsAndMotion(s, t.rnd, i, wallLimits(s, MarginsHgO(s, i)));
    DrawHgO(s, i);
}

} // namespace

void TickHgO(TickContext& t) {
    SimulationState& s = t.s;
    timedRelease(t);
    // Lattice sites stay where the solid put them until released.
    for (int i = 0; i <= s.NombreMol - 1; ++i)
        if (!s.EnSolid[i] && MovesHgO(s, i))
            step(t, i);
    ShowSurfaceCapture(t);
}

} // namespace tarvon
