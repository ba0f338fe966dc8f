#pragma once

#include "engine/simulation_state.h"

namespace tarvon {

// Distance of the centres of slots i and j over the contact length, kept in
// DistXoc and RatioXoc. True when 0 < ratio <= threshold: coinciding centres
// are not a collision.
bool PairTest(SimulationState& s, int i, int j, double contact, double threshold);

// Runs PairTest of slot i against j = first ... last in order and calls
// onHit(j) for each collision, against the positions as they stand at that
// moment. DistXoc and RatioXoc end as PairTest leaves them; pairs far apart are
// rejected on squared distances without the division.
template <typename Contact, typename OnHit>
void PairScan(SimulationState& s, int i, int first, int last, double threshold, Contact contact,
              OnHit onHit) {
    if (last < first)
        return;
    (void)s.PosX[first]; // the index checks of the whole range, done once
    (void)s.PosX[last];
    const float* px = s.PosX.data();
    const float* py = s.PosY.data();
    const float* pz = s.PosZ.data();
    constexpr double kSlack = 1 + 1e-6; // PairTest has the last word at the boundary
    double xi = s.PosX[i], yi = s.PosY[i], zi = s.PosZ[i];
    bool lastWasTested = false;
    for (int j = first; j <= last; ++j) {
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
    if (!lastWasTested)
        PairTest(s, i, last, contact(last), threshold);
}

} // namespace tarvon
