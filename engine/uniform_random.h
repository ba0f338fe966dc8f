#pragma once

#include <cstdint>
#include <random>

namespace tarvon {

// The one uniform generator of the program: draws in [0, 1), reseedable.
class UniformRandom {
public:
    virtual ~UniformRandom() = default;
    virtual double next() = 0;
    virtual void reseed(std::uint64_t seed) = 0;
    // Reseeds from the clock, as a population or a calibration batch does.
    void reseedFromClock();
};

class MersenneRandom final : public UniformRandom {
public:
    explicit MersenneRandom(std::uint64_t seed = 0) : engine_(seed) {}
    double next() override;
    void reseed(std::uint64_t seed) override { engine_.seed(seed); }

private:
    std::mt19937_64 engine_;
};

} // namespace tarvon
