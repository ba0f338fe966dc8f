#include "assets/value_noise.h"

#include <cmath>
#include <random>

namespace assets {

namespace {

double smooth(double t) {
    return t * t * (3 - 2 * t);
}

double mix(double a, double b, double t) {
    return a + (b - a) * t;
}

} // namespace

ValueNoise::ValueNoise(std::uint32_t seed, int period)
    : period_(period), values_(static_cast<std::size_t>(period) * period) {
    // The engine's raw output is fixed by the standard; its distributions are not.
    std::mt19937 engine(seed);
    for (double& v : values_)
        v = static_cast<double>(engine()) / static_cast<double>(std::mt19937::max());
}

double ValueNoise::node(int i, int j) const {
    const int x = ((i % period_) + period_) % period_;
    const int y = ((j % period_) + period_) % period_;
    return values_[static_cast<std::size_t>(y) * period_ + x];
}

double ValueNoise::at(double x, double y) const {
    const double fx = std::floor(x);
    const double fy = std::floor(y);
    const int i = static_cast<int>(fx);
    const int j = static_cast<int>(fy);
    const double tx = smooth(x - fx);
    const double ty = smooth(y - fy);
    return mix(mix(node(i, j), node(i + 1, j), tx), mix(node(i, j + 1), node(i + 1, j + 1), tx),
               ty);
}

double ValueNoise::fractal(double x, double y, int octaves) const {
    double sum = 0;
    double weight = 0.5;
    double total = 0;
    for (int o = 0; o < octaves; ++o) {
        sum += weight * at(x, y);
        total += weight;
        x *= 2;
        y *= 2;
        weight *= 0.5;
    }
    return sum / total;
}

} // namespace assets
