// The calibration file's reader on any bytes, and on every file the launcher
// can write.
#include "fuzz/fuzz_check.h"
#include "startup/calibration_text.h"
#include "startup/particle_budget.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace {

void CheckBudget(const tarvon::ParticleBudget& b) {
    FUZZ_CHECK(b.CostatNP >= 9 && b.CostatNP <= 20);
    FUZZ_CHECK(b.NPOptim == b.CostatNP * b.CostatNP);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CheckBudget(tarvon::ParticleBudgetFromFile(
        std::string_view(reinterpret_cast<const char*>(data), size)));

    // A file as the calibration writes it: its count decides the budget.
    if (size >= 6) {
        float tempsPas = 0;
        std::uint16_t count = 0;
        std::memcpy(&tempsPas, data, sizeof tempsPas);
        std::memcpy(&count, data + 4, sizeof count);
        count %= 32768;
        const tarvon::ParticleBudget b =
            tarvon::ParticleBudgetFromFile(tarvon::CalibrationText(tempsPas, count));
        CheckBudget(b);
        const long side = std::lround(std::sqrt(static_cast<double>(count)));
        FUZZ_CHECK(b.CostatNP == std::clamp(side, 9L, 20L));
    }
    return 0;
}
