#pragma once

#include <cstdint>
#include <vector>

namespace assets {

// Smooth noise in [0, 1] over a repeating lattice of random values drawn from a fixed seed,
// so the same seed always gives the same picture.
class ValueNoise {
public:
    ValueNoise(std::uint32_t seed, int period);

    // Interpolated value at lattice coordinates (x, y); repeats every `period` cells.
    double at(double x, double y) const;
    // Several octaves, each of twice the frequency and half the weight.
    double fractal(double x, double y, int octaves) const;

private:
    double node(int i, int j) const;

    int period_;
    std::vector<double> values_;
};

} // namespace assets
