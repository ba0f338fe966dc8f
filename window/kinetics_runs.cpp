#include "window/kinetics_runs.h"

#include <algorithm>
#include <cmath>

namespace tarvon {

std::string RunName(const RunSettings& s) {
    // Hundredths: the fine diameter steps are one per cent.
    const float ratio = std::round(s.diameterRatio * 100.0f) / 100.0f;
    std::string name = std::to_string(s.particles) + " partícules, " + FormatGeneral(ratio, ',') +
                       ":1, velocitat " + std::to_string(s.speed);
    if (s.constantVolume)
        name += ", volum constant";
    return name;
}

void KineticsRuns::begin(const std::string& reaction, const std::string& name) {
    std::erase_if(earlier_, [&](const KineticsRun& r) { return r.reaction != reaction; });
    while (earlier_.size() >= kMaxRuns)
        earlier_.pop_front();
    reaction_ = reaction;
    name_ = name;
    running_ = true;
    ++revision_;
}

void KineticsRuns::end(const DataRows& table) {
    if (!running_)
        return;
    running_ = false;
    if (table.rows.size() >= 2) {
        earlier_.push_back({reaction_, name_, table});
        if (earlier_.size() > kMaxRuns)
            earlier_.pop_front();
    }
    ++revision_;
}

} // namespace tarvon
