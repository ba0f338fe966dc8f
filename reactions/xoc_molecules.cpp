#include "reactions/xoc_molecules.h"

#include "engine/orienta.h"

#include <utility>

namespace tarvon {

namespace {

// Keeps the line of centres; the new distance is the old one over the ratio.
void toContact(FloatList& c, int i, int j, float ratio) {
    c[i] = c[j] - (c[j] - c[i]) / ratio;
}

} // namespace

void Xoc_Molecules(SimulationState& s, UniformRandom& rnd, int i, int j) {
    // A lattice site stays put: the molecule bounces off it.
    if (s.EnSolid[j]) {
        s.VelX[i] = -s.VelX[i];
        s.VelZ[i] = -s.VelZ[i];
        return;
    }
    std::swap(s.VelX[i], s.VelX[j]);
    std::swap(s.VelY[i], s.VelY[j]);
    std::swap(s.VelZ[i], s.VelZ[j]);
    const float ratio = s.RatioXoc;
    toContact(s.PosX, i, j, ratio);
    toContact(s.PosY, i, j, ratio);
    toContact(s.PosZ, i, j, ratio);
    Orienta(s, rnd, i, s.Alfa[i] - 90);
    Orienta(s, rnd, j, s.Alfa[j] - 90);
}

} // namespace tarvon
