#include "qtcommon/control_pantalla.h"

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

} // namespace
} // namespace tarvon
