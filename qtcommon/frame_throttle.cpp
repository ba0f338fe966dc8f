#include "qtcommon/frame_throttle.h"

#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace tarvon {

double FramePeriodOf(const QWidget& widget) {
    const QScreen* screen = widget.screen();
    const double rate = screen != nullptr ? screen->refreshRate() : 0;
    // A virtual display may report nothing or nonsense.
    return rate >= 24 && rate <= 360 ? 1.0 / rate : 1.0 / 60;
}

FrameThrottle::FrameThrottle(QWidget& target, double framePeriod)
    : QObject(&target), target_(target),
      pacer_(framePeriod > 0 ? framePeriod : FramePeriodOf(target)) {
    clock_.start();
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &FrameThrottle::show);
}

void FrameThrottle::request() {
    const std::optional<double> wait = pacer_.request(now());
    if (wait)
        timer_.start(static_cast<int>(std::ceil(*wait * 1000)));
}

void FrameThrottle::show() {
    pacer_.done(now());
    target_.update();
}

} // namespace tarvon
