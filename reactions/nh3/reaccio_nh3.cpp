#include "reactions/nh3/reaccio_nh3.h"

#include "engine/pair_test.h"
#include "reactions/mechanism_capture.h"
#include "reactions/xoc_molecules.h"

#include <array>
#include <cmath>

namespace tarvon {

namespace {

// The H2 slots an N2 slot found, in the order found, with their ratios.
struct HydrogenHits {
    int count = 0;
    std::array<int, 3> slot{1000, 1000, 1000};
    std::array<float, 3> ratio{};
};

bool isNitrogen(const SimulationState& s, int i) {
    return s.TaulaMol.state(i) == SlotState::Reactant && i < s.NumA / 2.0;
}

// The first H2 must touch (ratio <= 1), the next two need only be near (<= 3).
HydrogenHits searchHydrogen(SimulationState& s, int i) {
    HydrogenHits hits;
    double threshold = 1.0;
    const int first = static_cast<int>(std::nearbyint(s.NumA / 2.0));
    for (int j = first; j <= s.NombreMol - 1 && hits.count < 3; ++j) {
        if (s.TaulaMol.state(j) != SlotState::Reactant)
            continue;
        const double S = 2.0 * s.MidaMol[j] + 2.0 * s.MidaMol[i];
        if (!PairTest(s, i, j, S, threshold))
            continue;
        hits.slot[hits.count] = j;
        hits.ratio[hits.count] = s.RatioXoc;
        ++hits.count;
        threshold = 3.0;
    }
    return hits;
}

struct Centre {
    float x, y, z;
};

Centre centreOf(const SimulationState& s, int i) {
    return {s.PosX[i], s.PosY[i], s.PosZ[i]};
}

void setCentre(SimulationState& s, int i, const Centre& c) {
    s.PosX[i] = c.x;
    s.PosY[i] = c.y;
    s.PosZ[i] = c.z;
}

// Each hydrogen is drawn half a contact sum from the nitrogen.
void pullTowards(SimulationState& s, int i, int j, float ratio) {
    s.PosX[j] = s.PosX[i] - (s.PosX[i] - s.PosX[j]) * 0.5f / ratio;
    s.PosY[j] = s.PosY[i] - (s.PosY[i] - s.PosY[j]) * 0.5f / ratio;
    s.PosZ[j] = s.PosZ[i] - (s.PosZ[i] - s.PosZ[j]) * 0.5f / ratio;
}

// True when the group was captured and the reaction is held back.
bool captureHeldBack(SimulationState& s, ReactionHooks& hooks, int i, const HydrogenHits& h) {
    if (!s.meca.MecaDemanat || !InCaptureView(s, i))
        return false;
    s.meca.IdxMeca[0] = static_cast<std::int16_t>(i);
    for (int n = 0; n < 3; ++n) {
        s.meca.IdxMeca[n + 1] = static_cast<std::int16_t>(h.slot[n]);
        pullTowards(s, i, h.slot[n], h.ratio[n]);
    }
    return HoldBackForCapture(s, hooks, s.caja.AtomA[s.TaulaMol(i, 1)]);
}

// Slot i and the first H2 become the two ammonia molecules; the other two H2
// are used up.
void formAmmonia(SimulationState& s, int i, const HydrogenHits& h) {
    const int j1 = h.slot[0], j2 = h.slot[1], j3 = h.slot[2];
    MolTable& t = s.TaulaMol;
    // Atom columns 1 to 4: N, then three H.
    const std::array<std::int16_t, 4> first{t(i, 1), t(j2, 1), t(j2, 2), t(j3, 1)};
    const std::array<std::int16_t, 4> second{t(i, 2), t(j1, 1), t(j1, 2), t(j3, 2)};
    t.setState(i, SlotState::Product);
    t.setState(j1, SlotState::Product);
    for (int c = 0; c < 4; ++c) {
        t(i, c + 1) = first[c];
        t(j1, c + 1) = second[c];
    }
    t.setState(j2, SlotState::UsedUp);
    t.setState(j3, SlotState::UsedUp);
}

void react(SimulationState& s, ReactionHooks& hooks, int i, const HydrogenHits& h) {
    const int j1 = h.slot[0];
    const Centre ci = centreOf(s, i), cj1 = centreOf(s, j1);
    if (captureHeldBack(s, hooks, i, h))
        return;
    formAmmonia(s, i, h);
    setCentre(s, i, ci);
    setCentre(s, j1, cj1);
    s.MidaMol[i] = s.MidaMol[j1] = s.RadiA[0] + s.RadiB[0];
    s.nNH3 += 2;
    s.nN2 -= 1;
    s.nH2 -= 3;
    // The N2 and the H2 it touched met: a collision, and an effective one.
    ++s.xocs.collisions;
    ++s.xocs.effective;
}

void collide(SimulationState& s, UniformRandom& rnd, int i) {
    for (int j = i + 1; j <= s.NombreMol - 1; ++j) {
        if (!s.TaulaMol.inPlay(j))
            continue;
        const double S = 2.0 * s.MidaMol[i] + 2.0 * s.MidaMol[j];
        if (PairTest(s, i, j, S, 0.9)) {
            ++s.xocs.collisions;
            Xoc_Molecules(s, rnd, i, j);
        }
    }
}

} // namespace

void ReaccioNH3(SimulationState& s, UniformRandom& rnd, ReactionHooks& hooks, int i) {
    if (isNitrogen(s, i)) {
        const HydrogenHits hits = searchHydrogen(s, i);
        if (hits.count == 3) {
            react(s, hooks, i, hits);
            return;
        }
        // One H2 touching and one near: the group may still form; no collision.
        if (hits.count == 2)
            return;
    }
    collide(s, rnd, i);
}

} // namespace tarvon
