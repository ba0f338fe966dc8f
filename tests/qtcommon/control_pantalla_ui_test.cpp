#include "qtcommon/control_pantalla.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

namespace tarvon {
namespace {

TEST(ControlPantalla, OneTickClassifiesTheWidthAMaximisedWindowGets) {
    int calls = 0;
    ScreenClass result{0, false};
    ControlPantalla window(ControlPantalla::Program::Orvalis3, [&](const ScreenClass& s) {
        ++calls;
        result = s;
    });
    // Not maximised (no window manager here): its own width must not count.
    window.resize(200, 100);
    window.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return calls > 0; }, 5000));
    QTest::qWait(20);
    EXPECT_EQ(calls, 1); // the timer ticks once
    const int screenWidth = window.screen()->availableGeometry().width();
    ASSERT_GT(screenWidth, 200);
    EXPECT_EQ(window.maximisedWidthPixels(), screenWidth);
    const ScreenClass expected = ClassifyScreen(screenWidth * 15.0);
    EXPECT_EQ(result.FactorPantalla, expected.FactorPantalla);
}

// The layout is fitted to the client area under the title and menu bars,
// not to the whole screen.
TEST(ControlPantalla, FitsTheLayoutToTheClientAreaOfAMaximisedWindow) {
    const LayoutExtentAt layout = [&](float f) {
        // As high as the screen at the class factor: cut off by the bars.
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        const float c = ClassifyScreen(screen.width() * 15.0).FactorPantalla;
        return Extent{1000.0 * f, screen.height() * 15.0 * f / c};
    };
    ScreenClass result;
    bool done = false;
    ControlPantalla window(
        ControlPantalla::Program::Tarvon,
        [&](const ScreenClass& s) {
            result = s;
            done = true;
        },
        layout);
    window.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return done; }, 5000));
    const QSize client = window.clientAreaPixels();
    const QRect screen = window.screen()->availableGeometry();
    EXPECT_EQ(client.width(), screen.width());
    EXPECT_LT(client.height(), screen.height()) << "the bars take their share";
    EXPECT_TRUE(result.fitted);
    EXPECT_EQ(result.FactorPantalla,
              LargestFittingFactor({client.width() * 15.0, client.height() * 15.0}, layout));
    EXPECT_LT(result.FactorPantalla, ClassifyScreen(screen.width() * 15.0).FactorPantalla);
}

} // namespace
} // namespace tarvon
