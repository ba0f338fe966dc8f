#pragma once

#include "window/data_table.h"

#include <cstdint>
#include <deque>
#include <string>

namespace tarvon {

// One data table from its start to its end, with the reaction and the name
// of its settings.
struct KineticsRun {
    std::string reaction; // key
    std::string name;
    DataRows table;
};

// The runs a graph overlays: the current table and the last earlier ones of
// the same reaction, kMaxRuns at most together.
class KineticsRuns {
public:
    static constexpr std::size_t kMaxRuns = 5;

    // A new table begins. Runs of another reaction are dropped, and the oldest
    // go so that this one makes kMaxRuns at most.
    void begin(const std::string& reaction, const std::string& name);
    // The current table ends, cleared or replaced by a new one. A table with
    // fewer than two rows draws no line and is not kept.
    void end(const DataRows& table);

    bool running() const { return running_; }
    const std::string& currentReaction() const { return reaction_; }
    const std::string& currentName() const { return name_; }
    const std::deque<KineticsRun>& earlier() const { return earlier_; } // oldest first
    std::uint64_t revision() const { return revision_; }

private:
    std::deque<KineticsRun> earlier_;
    std::string reaction_, name_;
    bool running_ = false;
    std::uint64_t revision_ = 0;
};

} // namespace tarvon
