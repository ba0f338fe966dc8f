#include "engine/demo_population.h"
#include "engine/reaction_hooks.h"
#include "engine/uniform_random.h"
#include "mainwindow/caja_view.h"
#include "mainwindow/tarvon_window.h"

#include <QImage>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

namespace tarvon {
namespace {

class FixedClock : public Clock {
public:
    double now() const override { return t; }
    double t = 100;
};

struct WindowFixture : ::testing::Test {
    SimulationState state;
    FixedClock clock;
    MersenneRandom rnd{7};
    ReactionHooks hooks;

    WindowFixture() {
        SetDemoBox(state);
        CreaPoblacioDemo(state, rnd, 30);
    }
};

TEST_F(WindowFixture, SpeedBarSetsTheTimerInterval) {
    TarvonWindow window(state, clock, rnd, hooks);
    EXPECT_EQ(window.VScrollVel()->value(), 50);
    EXPECT_EQ(window.tmrRellotge().interval(), 50);
    EXPECT_EQ(window.tmrRellotge().timerType(), Qt::PreciseTimer);

    window.VScrollVel()->setValue(1);
    EXPECT_EQ(window.tmrRellotge().interval(), 1);
    window.VScrollVel()->setValue(100);
    EXPECT_EQ(window.tmrRellotge().interval(), 100);
    window.VScrollVel()->setValue(500); // outside the bar's range
    EXPECT_EQ(window.tmrRellotge().interval(), 100);
}

TEST_F(WindowFixture, TimerTickMovesTheShapes) {
    TarvonWindow window(state, clock, rnd, hooks);
    window.resize(1024, 768);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    const float x0 = state.PosX[3];
    const float left0 = state.caja.AtomA[3].left;
    const QImage before = window.Caja()->grab().toImage();
    window.VScrollVel()->setValue(1);
    // Real timer ticks; a loaded machine may need a while for the first.
    EXPECT_TRUE(QTest::qWaitFor([&] { return state.PosX[3] != x0; }, 5000));
    EXPECT_NE(state.caja.AtomA[3].left, left0);
    EXPECT_TRUE(state.caja.AtomA[3].visible);
    EXPECT_NE(window.Caja()->grab().toImage(), before);
}

TEST_F(WindowFixture, BadTickDoesNotStopTheAnimation) {
    TarvonWindow window(state, clock, rnd, hooks);
    state.Reaccio = "NH3";
    state.NumA = 60; // slot 0 counts as nitrogen
    state.TaulaMol(0, 1) = 600;
    window.tmrRellotge_Timer();
    EXPECT_TRUE(window.tmrRellotge().isActive());

    state.TaulaMol(0, 1) = 0;
    const float y1 = state.PosY[1];
    window.tmrRellotge_Timer();
    EXPECT_NE(state.PosY[1], y1);
}

} // namespace
} // namespace tarvon
