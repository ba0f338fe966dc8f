#include "engine/slot_drawing.h"

#include <cmath>

namespace tarvon {

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

} // namespace tarvon
