#include "reactions/atom_pair.h"

namespace tarvon {

AtomCentre CentreA(SimulationState& s, long k) {
    return {s.AtomAX, s.AtomAY, s.AtomAZ, k};
}

AtomCentre CentreB(SimulationState& s, long k) {
    return {s.AtomBX, s.AtomBY, s.AtomBZ, k};
}

void PlaceAtomPair(SimulationState& s, int slot, const AtomCentre& first, const AtomCentre& second,
                   float back, float span) {
    const float ux = s.DirX[slot], uy = s.DirY[slot], uz = s.DirZ[slot];
    const float x = s.PosX[slot] - back * ux;
    const float y = s.PosY[slot] + back * uy;
    const float z = s.PosZ[slot] - back * uz;
    first.X[first.index] = x;
    first.Y[first.index] = y;
    first.Z[first.index] = z;
    second.X[second.index] = x + span * ux;
    second.Y[second.index] = y - span * uy;
    second.Z[second.index] = z + span * uz;
}

} // namespace tarvon
