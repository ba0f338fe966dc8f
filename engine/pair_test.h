#pragma once

#include "engine/simulation_state.h"

namespace tarvon {

// Distance of the centres of slots i and j over the contact length, kept in
// DistXoc and RatioXoc. True when 0 < ratio <= threshold: coinciding centres
// are not a collision.
bool PairTest(SimulationState& s, int i, int j, double contact, double threshold);

// Every slot takes part in a scan unless the caller says otherwise.
struct EverySlot {
    bool operator()(int) const { return true; }
};

// Runs PairTest of slot i against j = first ... last in order and calls
// onHit(j) for each collision, against the positions as they stand at that
// moment. Slots for which takesPart(j) is false are passed over. DistXoc and
// RatioXoc end as PairTest leaves them for the last slot that takes part;
// pairs far apart are rejected on squared distances without the division.
template <typename Contact, typename OnHit, typename TakesPart = EverySlot>
void PairScan(SimulationState& s, int i, int first, int last, double threshold, Contact contact,
              OnHit onHit, TakesPart takesPart = {}) {
    if (last < first)
        return;
    (void)s.PosX[first]; // the index checks of the whole range, done once
    (void)s.PosX[last];
    const float* px = s.PosX.data();
    const float* py = s.PosY.data();
    const float* pz = s.PosZ.data();
    constexpr double kSlack = 1 + 1e-6; // PairTest has the last word at the boundary
    double xi = s.PosX[i], yi = s.PosY[i], zi = s.PosZ[i];
    int lastTakingPart = -1;
    bool lastWasTested = false;
    for (int j = first; j <= last; ++j) {
        if (!takesPart(j))
            continue;
        lastTakingPart = j;
        const double dx = px[j] - xi;
        const double dy = py[j] - yi;
        const double dz = pz[j] - zi;
        const double d2 = dx * dx + dy * dy + dz * dz;
        const double c = contact(j);
        const double reach = threshold * c * kSlack;
        lastWasTested = false;
        if (c > 0 && d2 > 0 && d2 <= reach * reach) {
            lastWasTested = true;
            if (PairTest(s, i, j, c, threshold)) {
                onHit(j); // may move slot i
                xi = s.PosX[i];
                yi = s.PosY[i];
                zi = s.PosZ[i];
            }
        }
    }
    if (lastTakingPart >= 0 && !lastWasTested)
        PairTest(s, i, lastTakingPart, contact(lastTakingPart), threshold);
}

} // namespace tarvon
