#pragma once

#include "qtcommon/frame_pacer.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

class QWidget;

namespace tarvon {

// Updates a widget at most once per frame of its screen, however often it is
// asked to.
class FrameThrottle : public QObject {
    Q_OBJECT
public:
    // framePeriod: seconds; 0 takes the refresh rate of the widget's screen.
    explicit FrameThrottle(QWidget& target, double framePeriod = 0);

    // The picture has changed: it is shown at the next frame.
    void request();
    double framePeriod() const { return pacer_.framePeriod(); }

private:
    void show();
    double now() const { return static_cast<double>(clock_.nsecsElapsed()) * 1e-9; }

    QWidget& target_;
    FramePacer pacer_;
    QElapsedTimer clock_;
    QTimer timer_;
};

// Seconds per frame of the screen the widget is on; 60 Hz when it cannot tell.
double FramePeriodOf(const QWidget& widget);

} // namespace tarvon
