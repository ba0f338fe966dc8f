#include "qtcommon/frame_pacer.h"
#include "qtcommon/frame_throttle.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace tarvon {
namespace {

TEST(FramePacer, ManyRequestsBetweenTwoFramesGiveOneRepaintAtTheNextFrame) {
    FramePacer pacer(0.016);
    ASSERT_EQ(pacer.request(10.0), 0.0); // nothing shown for a while: at once
    pacer.done(10.0);
    const std::optional<double> wait = pacer.request(10.004);
    ASSERT_TRUE(wait.has_value());
    EXPECT_NEAR(*wait, 0.012, 1e-9); // at the next frame, not before
    for (double t = 10.005; t < 10.016; t += 0.001)
        EXPECT_FALSE(pacer.request(t).has_value()); // the waiting repaint shows them
    pacer.done(10.016);
    // Late ticks (a slow tick) wait no more than the frame.
    EXPECT_EQ(pacer.request(10.1), 0.0);
}

// Counts its paints.
class PaintCounter : public QWidget {
public:
    int paints = 0;

protected:
    void paintEvent(QPaintEvent*) override { ++paints; }
};

TEST(FrameThrottle, TicksFasterThanFramesArePaintedOncePerFrame) {
    PaintCounter widget;
    widget.resize(50, 50);
    widget.show();
    QTRY_VERIFY(widget.paints > 0);
    const double period = 0.4;
    FrameThrottle throttle(widget, period);
    throttle.request();
    QTRY_COMPARE_WITH_TIMEOUT(widget.paints, 2, 2000);
    // Ticks every millisecond, each with its events handled as the window does.
    QElapsedTimer clock;
    clock.start();
    int ticks = 0;
    while (clock.elapsed() < 100) {
        throttle.request();
        QApplication::processEvents();
        QTest::qWait(1);
        ++ticks;
    }
    EXPECT_GT(ticks, 20);
    EXPECT_EQ(widget.paints, 2); // the next frame is not due yet
    QTRY_COMPARE_WITH_TIMEOUT(widget.paints, 3, 2000);
    QTest::qWait(static_cast<int>(2 * period * 1000));
    EXPECT_EQ(widget.paints, 3); // one paint for all those ticks
}

} // namespace
} // namespace tarvon
