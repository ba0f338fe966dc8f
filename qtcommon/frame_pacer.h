#pragma once

#include <limits>
#include <optional>

namespace tarvon {

// Lets repaints through at most once per display frame: the ticks may come
// every millisecond, a screen shows about sixty pictures a second. Times in
// seconds, on any clock that only goes forward.
class FramePacer {
public:
    explicit FramePacer(double framePeriod) : period_(framePeriod) {}

    // A repaint is wanted at `now`. Returns how long to wait before doing it,
    // or nothing when a repaint is already waiting: it will show this too.
    std::optional<double> request(double now);
    // The waiting repaint was done at `now`.
    void done(double now);

    double framePeriod() const { return period_; }

private:
    double period_;
    double last_ = -std::numeric_limits<double>::infinity();
    bool waiting_ = false;
};

} // namespace tarvon
