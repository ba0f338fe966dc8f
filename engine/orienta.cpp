#include "engine/orienta.h"

#include <cmath>

namespace tarvon {

namespace {
constexpr double kPi = 3.14159265358979;
}

void Orienta(SimulationState& s, UniformRandom& rnd, int i, float a) {
    // The band keeps c1^2 + c2^2 <= 1 for every a in 0 ... 180.
    float lo, hi;
    if (a <= 90) {
        lo = 90 - a;
        hi = 90 + a;
    } else {
        lo = a - 90;
        hi = 270 - a;
    }
    const auto b = static_cast<float>((hi - lo) * rnd.next() + lo);
    const double c1 = std::cos(a * kPi / 180);
    const double c2 = std::cos(b * kPi / 180);
    const double t = 1 - c1 * c1 - c2 * c2;
    const double c3 = t > 0 ? std::sqrt(t) : 1.0;
    s.DirX[i] = static_cast<float>(c1);
    s.DirY[i] = static_cast<float>(c2);
    s.DirZ[i] = static_cast<float>(c3);
    s.Alfa[i] = a;
    s.Beta[i] = b;
}

} // namespace tarvon
