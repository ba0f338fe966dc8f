#include "reactions/hi/reaccio_hi.h"

#include "engine/orienta.h"
#include "engine/pair_test.h"
#include "reactions/atom_pair.h"
#include "reactions/mechanism_capture.h"
#include "reactions/xoc_molecules.h"

#include <cmath>

namespace tarvon {

namespace {

double distance(const FloatList& X, const FloatList& Y, const FloatList& Z, int i, int j) {
    const double dx = static_cast<double>(X[j]) - X[i];
    const double dy = static_cast<double>(Y[j]) - Y[i];
    const double dz = static_cast<double>(Z[j]) - Z[i];
    return std::sqrt(dx * dx + dy * dy + dz * dz);
}

// A molecule whose two atoms carry different tags is still HI.
bool stillHI(const SimulationState& s, int i) {
    return s.caja.AtomA[i].tag != s.caja.AtomB[i].tag;
}

bool reacts(const SimulationState& s, int i, int j, double S) {
    const bool iodinesMeet = S >= distance(s.AtomAX, s.AtomAY, s.AtomAZ, i, j);
    const bool hydrogensMeet = S >= distance(s.AtomBX, s.AtomBY, s.AtomBZ, i, j);
    return stillHI(s, i) && stillHI(s, j) && iodinesMeet && hydrogensMeet;
}

struct AtomLook {
    float width, height, radius;
    Rgb fill;
    char tag;
};

void turnAndPlace(SimulationState& s, UniformRandom& rnd, int i) {
    Orienta(s, rnd, i, s.Alfa[i] - 90);
    const float k = s.FactorEnllac, rA = s.RadiA[i], rB = s.RadiB[i];
    PlaceAtomPair(s, i, CentreA(s, i), CentreB(s, i), rB * k, (rA + rB) * k);
}

// The hydrogen of i and the iodine of j change places: i becomes I2, j H2.
// Velocities stay as they were.
void exchangeAtoms(SimulationState& s, UniformRandom& rnd, int i, int j) {
    AtomShape& hydrogen = s.caja.AtomB[i];
    AtomShape& iodine = s.caja.AtomA[j];
    const AtomLook saved{hydrogen.width, hydrogen.height, s.RadiB[i], hydrogen.fill, hydrogen.tag};
    hydrogen.width = iodine.width;
    hydrogen.height = iodine.height;
    hydrogen.fill = iodine.fill;
    hydrogen.tag = iodine.tag;
    s.RadiB[i] = s.RadiA[j];
    turnAndPlace(s, rnd, i);
    iodine.width = saved.width;
    iodine.height = saved.height;
    iodine.fill = saved.fill;
    iodine.tag = saved.tag;
    s.RadiA[j] = saved.radius;
    turnAndPlace(s, rnd, j);
}

} // namespace

void ReaccioHI(SimulationState& s, UniformRandom& rnd, ReactionHooks& hooks, int i) {
    for (int j = i + 1; j <= s.NombreMol - 1; ++j) {
        // Slot i's radii change when it reacts, so S is taken afresh for each j.
        const double S = static_cast<double>(s.RadiB[i]) + s.RadiA[i] + s.RadiA[j] + s.RadiB[j];
        if (!PairTest(s, i, j, S, 0.9))
            continue;
        if (!reacts(s, i, j, S)) {
            ++s.xocs.collisions;
            Xoc_Molecules(s, rnd, i, j);
            continue;
        }
        if (s.meca.MecaDemanat && InCaptureView(s, i)) {
            s.meca.IdxMeca[0] = static_cast<std::int16_t>(i);
            s.meca.IdxMeca[1] = static_cast<std::int16_t>(j);
            if (HoldBackForCapture(s, hooks, s.caja.AtomA[i]))
                return;
        }
        exchangeAtoms(s, rnd, i, j);
        s.nHI -= 2;
        s.nH2 += 1;
        s.nI2 += 1;
        // Counted once it happens: a pair held back for the capture meets again.
        ++s.xocs.collisions;
        ++s.xocs.effective;
    }
}

} // namespace tarvon
