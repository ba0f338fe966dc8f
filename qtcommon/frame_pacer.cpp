#include "qtcommon/frame_pacer.h"

#include <algorithm>

namespace tarvon {

std::optional<double> FramePacer::request(double now) {
    if (waiting_)
        return std::nullopt;
    waiting_ = true;
    return std::max(0.0, last_ + period_ - now);
}

void FramePacer::done(double now) {
    waiting_ = false;
    last_ = now;
}

} // namespace tarvon
