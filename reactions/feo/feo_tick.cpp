#include "reactions/feo/feo_parts.h"

#include "engine/pair_test.h"
#include "engine/slot_drawing.h"
#include "engine/slot_steps.h"
#include "engine/walls.h"

namespace tarvon {

bool MovesFeO(const SimulationState& s, int i) {
    return s.TaulaMol.inPlay(i);
}

SlotMargins MarginsFeO(const SimulationState& s, int) {
    const float r = s.RadiA[0]; // the O atom
    // The floor is the iron surface.
    return {2 * r, 4 * r, 4 * r, r + 0.7f * s.PasOxid, 2 * r};
}

void DrawFeO(SimulationState& s, int i) {
    const long a = s.TaulaMol(i, 1), b = s.TaulaMol(i, 2);
    const float r = s.RadiA[0], k = s.FactorEnllac;
    const Point3 first = AlongSlot(s, i, SlotCentre(s, i), -k * r);
    PlaceAtom(s, KindA(s), a, first, r, 2 * r);
    PlaceAtom(s, KindA(s), b, AlongSlot(s, i, first, 2 * k * r), r, 2 * r);
    // O2 always in front of the iron surface.
    for (long atom : {a, b}) {
        s.caja.AtomA.bringToFront(atom);
        s.caja.AtomA[atom].visible = true;
    }
}

namespace {

// The floor step hands slot i to the reaction rule while it lies on the iron
// surface; an O2 sliding along it without reacting arrived only once.
void countArrival(SimulationState& s, int i, const WallLimits& lim) {
    const bool onSurface = s.PosY[i] >= lim.yHi;
    if (onSurface && !s.EnSuperficie[i])
        ++s.xocs.collisions;
    s.EnSuperficie[i] = onSurface;
}

void step(TickContext& t, int i) {
    SimulationState& s = t.s;
    // Earlier slots have already moved this tick, later ones have not. An O2
    // used up at the iron surface is no longer drawn: it must not be met, nor
    // hand its stale velocity to a live molecule.
    const double contact = 4.0 * s.RadiA[0];
    PairScan(
        s, i, i + 1, s.NombreMol - 1, 0.9, [contact](int) { return contact; },
        [&t, i](int j) { t.hooks.xocMolecules(t.s, i, j); },
        [&s](int j) { return s.TaulaMol.inPlay(j); });
    // Reaching the floor is meeting the iron surface: the reaction rule.
    const WallLimits lim = wallLimits(s, MarginsFeO(s, i));
    countArrival(s, i, lim);
    WallsAndMotion(s, t.rnd, i, lim, &t.hooks);
    // An O2 that has just reacted at the iron surface is no longer drawn.
    if (s.TaulaMol.inPlay(i))
        DrawFeO(s, i);
}

} // namespace

void TickFeO(TickContext& t) {
    SimulationState& s = t.s;
    for (int i = 0; i <= s.NombreMol - 1; ++i)
        if (!s.EnSolid[i] && MovesFeO(s, i))
            step(t, i);
    ShowSurfaceCapture(t);
}

} // namespace tarvon
