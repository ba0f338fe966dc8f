#pragma once

#include <optional>
#include <string_view>

namespace tarvon {

// The particle budget Tarvon sizes its populations from.
struct ParticleBudget {
    int NPOptim = 81; // a perfect square, 81 ... 400
    int CostatNP = 9; // its square root, 9 ... 20
    friend bool operator==(const ParticleBudget&, const ParticleBudget&) = default;
};

// The budget from the calibration file's bytes (nullopt: no file). The second
// field holds the ball count; every failure (no file, fewer than two fields, a
// value out of range or negative) gives the smallest budget, 81. Counts above
// 400 are capped there so that populations stay within the 501-entry lists.
ParticleBudget ParticleBudgetFromFile(const std::optional<std::string_view>& contents);

class CalibrationStore;

// The budget from the calibration file as the store holds it now.
ParticleBudget ReadParticleBudget(CalibrationStore& store);

} // namespace tarvon
