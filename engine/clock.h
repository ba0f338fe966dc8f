#pragma once

namespace tarvon {

// Monotonic time in seconds. Elapsed-time rules use this, never the time of day,
// so a tick that spans midnight sees time go forward like any other.
class Clock {
public:
    virtual ~Clock() = default;
    virtual double now() const = 0;
};

class SteadyClock final : public Clock {
public:
    double now() const override;
};

} // namespace tarvon
