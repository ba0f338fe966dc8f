#include "window/kinetics_runs.h"

#include <algorithm>

namespace tarvon {

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
