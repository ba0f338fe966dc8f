#pragma once

#include "engine/clock.h"

namespace tarvon {

// Time that moves only when told: the runner advances it by one animation
// interval per tick.
class SimulatedClock final : public Clock {
public:
    explicit SimulatedClock(double start) : now_(start) {}
    double now() const override { return now_; }
    void advance(double seconds) { now_ += seconds; }

private:
    double now_;
};

} // namespace tarvon
