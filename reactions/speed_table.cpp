#include "reactions/speed_table.h"

#include <array>

namespace tarvon {

void OmplirTaulaVel(SimulationState& s) {
    // Entries per level on the low side (levels 10 to 50); the high side mirrors them.
    constexpr std::array<int, 5> kBandSize{10, 20, 40, 80, 100};
    int entry = 0;
    for (int band = 0; band < static_cast<int>(kBandSize.size()); ++band) {
        const auto level = static_cast<std::int16_t>(10 * (band + 1));
        for (int n = 0; n < kBandSize[band]; ++n, ++entry) {
            s.TaulaVel[entry] = level;
            s.TaulaVel[499 - entry] = static_cast<std::int16_t>(110 - level);
        }
    }
}

} // namespace tarvon
