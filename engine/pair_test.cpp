#include "engine/pair_test.h"

#include <cmath>

namespace tarvon {

bool PairTest(SimulationState& s, int i, int j, double contact, double threshold) {
    const double dy = static_cast<double>(s.PosY[j]) - s.PosY[i];
    const double dx = static_cast<double>(s.PosX[j]) - s.PosX[i];
    const double dz = static_cast<double>(s.PosZ[j]) - s.PosZ[i];
    const double d = std::sqrt(dy * dy + dx * dx + dz * dz);
    s.DistXoc = static_cast<float>(d);
    s.RatioXoc = static_cast<float>(d / contact);
    return s.RatioXoc > 0 && s.RatioXoc <= threshold;
}

} // namespace tarvon
