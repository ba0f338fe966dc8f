#include "engine/projection.h"

#include <cmath>

namespace tarvon {

ScreenPos projectAtom(const BoxGeometry& box, float x, float y, float z, float r, float rho) {
    const double depth = static_cast<double>(z) / (box.CaixaZ - rho) * box.Persp;
    return {static_cast<float>(x - r + depth * std::cos(box.AnglePersp)),
            static_cast<float>(y - r + box.DesplY - depth * std::sin(box.AnglePersp))};
}

float depthSize(const BoxGeometry& box, float posZ, float R) {
    constexpr double shrink = 1 - 0.93; // as computed in double precision
    return static_cast<float>(std::fabs(1 - shrink * posZ / (box.CaixaZ - 2 * R)) * 2 * R);
}

} // namespace tarvon
