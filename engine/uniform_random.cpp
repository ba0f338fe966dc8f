#include "engine/uniform_random.h"

#include <chrono>

namespace tarvon {

void UniformRandom::reseedFromClock() {
    const auto ticks = std::chrono::system_clock::now().time_since_epoch().count();
    reseed(static_cast<std::uint64_t>(ticks));
}

double MersenneRandom::next() {
    // 53 random bits: uniform in [0, 1), never 1.
    return static_cast<double>(engine_() >> 11) * 0x1.0p-53;
}

} // namespace tarvon
