#include "assets/water_texture.h"
#include "assets/picture_area.h"

#include "assets/value_noise.h"

#include <QColor>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace assets {

namespace {

constexpr std::uint32_t kSeed = 1134850;
constexpr double kCell = 110.0;      // px per noise cell
constexpr double kWavelength = 46.0; // px between ripple crests

// Darkest, middle and lightest water; the darkest still gives pure blue text a contrast
// ratio near 6.
const QColor kDeep(176, 224, 230);
const QColor kWater(204, 239, 241);
const QColor kLight(240, 252, 252);

QRgb blend(const QColor& a, const QColor& b, double t) {
    auto channel = [t](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * t)); };
    return qRgb(channel(a.red(), b.red()), channel(a.green(), b.green()),
                channel(a.blue(), b.blue()));
}

// Brightness in [0, 1] at pixel (x, y): broad soft patches under two sets of ripples, each
// bent by the noise, whose bright crests fade in and out like light on moving water.
double brightness(const ValueNoise& noise, double x, double y) {
    const double patches = noise.fractal(x / kCell, y / kCell, 4);
    const double bend = noise.fractal(x / (2.3 * kCell) + 7.1, y / (2.3 * kCell) + 3.7, 3);
    const double fade = noise.fractal(x / (1.4 * kCell) + 2.9, y / (1.4 * kCell) + 5.3, 2);
    const double tau = 2 * std::numbers::pi;
    const double ripple =
        0.5 + 0.5 * std::sin(tau * (x * 0.35 + y * 0.94) / kWavelength + 14 * bend);
    const double cross =
        0.5 + 0.5 * std::sin(tau * (x * 0.92 - y * 0.40) / (1.7 * kWavelength) + 11 * patches);
    const double crests = (0.7 * std::pow(ripple, 8) + 0.45 * std::pow(cross, 10)) *
                          std::clamp(fade * 2 - 0.55, 0.0, 1.0);
    return std::clamp(0.05 + 0.6 * patches + 0.12 * ripple + 0.55 * crests - 0.1, 0.0, 1.0);
}

} // namespace

void paintWaterTexture(QImage& image) {
    const ValueNoise noise(kSeed, 64);
    // The pattern is laid out in the picture's own pixels.
    const double scale = image.devicePixelRatio();
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const double b = brightness(noise, x / scale, y / scale);
            line[x] = b < 0.5 ? blend(kDeep, kWater, b * 2) : blend(kWater, kLight, b * 2 - 1);
        }
    }
}

} // namespace assets
