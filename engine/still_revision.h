#pragma once

#include <cstdint>

namespace tarvon {

// Counts the changes to the shapes that stay put while the animation runs (a
// lattice, the iron layer): a view may keep them drawn until the count moves.
class StillRevision {
public:
    void bump() { ++count_; }
    std::uint64_t value() const { return count_; }

private:
    std::uint64_t count_ = 0;
};

} // namespace tarvon
