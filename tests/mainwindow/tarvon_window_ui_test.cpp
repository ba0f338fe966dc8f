#include "engine/demo_population.h"
#include "engine/fakes.h"
#include "engine/mostra_captura.h"
#include "engine/reaction_hooks.h"
#include "engine/uniform_random.h"
#include "mainwindow/caja_view.h"
#include "mainwindow/tarvon_window.h"

#include <QImage>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

namespace tarvon {
namespace {

struct WindowFixture : ::testing::Test {
    SimulationState state;
    test::FakeClock clock;
    MersenneRandom rnd{7};
    ReactionHooks hooks;

    WindowFixture() {
        SetDemoBox(state);
        CreaPoblacioDemo(state, rnd, 30);
        while (state.EnSolid[gas])
            ++gas; // the demo's lattice block comes first
    }
    int gas = 0; // first moving slot
};

TEST_F(WindowFixture, SpeedBarSetsTheTimerIntervalAndTicksMoveTheShapes) {
    TarvonWindow window(state, clock, rnd, hooks);
    EXPECT_EQ(window.tmrRellotge().interval(), window.VScrollVel()->value());
    EXPECT_EQ(window.tmrRellotge().timerType(), Qt::PreciseTimer);
    window.resize(1024, 768);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    const float left0 = state.caja.AtomA[gas].left;
    const QImage before = window.Caja()->grab().toImage();
    window.VScrollVel()->setValue(1);
    EXPECT_EQ(window.tmrRellotge().interval(), 1);
    // Real timer ticks; a loaded machine may need a while for the first.
    EXPECT_TRUE(QTest::qWaitFor([&] { return state.caja.AtomA[gas].left != left0; }, 5000));
    EXPECT_NE(window.Caja()->grab().toImage(), before);
}

TEST_F(WindowFixture, BadTickDoesNotStopTheAnimation) {
    TarvonWindow window(state, clock, rnd, hooks);
    state.Reaccio = "NH3";
    state.NumA = 2 * (gas + 2); // the first gas slots count as nitrogen
    state.TaulaMol(gas, 1) = 600;
    window.tmrRellotge_Timer();
    EXPECT_TRUE(window.tmrRellotge().isActive());

    state.TaulaMol(gas, 1) = 0;
    const float y1 = state.PosY[gas + 1];
    window.tmrRellotge_Timer();
    EXPECT_NE(state.PosY[gas + 1], y1);
}

// Pixel of the box picture at a point given in twips.
QRgb at(const QImage& picture, double x, double y) {
    return picture.pixel(static_cast<int>(x / 15), static_cast<int>(y / 15));
}

TEST_F(WindowFixture, BoxIsDrawnAsACubeWithFilledFaces) {
    TarvonWindow window(state, clock, rnd, hooks);
    window.drawBox();
    const QImage& picture = window.Caja()->pictureImage();
    const QRgb face = qRgb(255, 255, 200), edge = qRgb(150, 0, 255), back = qRgb(220, 255, 255);
    const double Ix = state.OrigenX, Iy = state.OrigenY, Lx = state.CaixaX, Ly = state.CaixaY;
    const double A = state.DesplX;                                // equal shifts right and up
    EXPECT_EQ(at(picture, Ix + A + Lx / 2, Iy + Ly / 2), face);   // front and back
    EXPECT_EQ(at(picture, Ix + A + Lx / 2, Iy + A / 2), face);    // top
    EXPECT_EQ(at(picture, Ix + Lx + A / 2, Iy + Ly / 2), face);   // right
    EXPECT_EQ(at(picture, Ix + Lx / 2, Iy + Ly + A / 2), face);   // bottom
    EXPECT_EQ(at(picture, Ix + A / 2, Iy + Ly / 2), face);        // front, left strip
    EXPECT_EQ(at(picture, Ix + Lx, Iy + A + Ly / 3), edge);       // front right edge
    EXPECT_EQ(at(picture, Ix + Lx / 2, Iy + A + Ly + 100), back); // under it

    // The strip along the front face's right edge is painted over the atoms.
    window.tmrRellotge_Timer();
    EXPECT_EQ(state.caja.paintOrder().back(), &state.caja.shpCara[0]);
}

TEST_F(WindowFixture, ContinuarFollowsTheCaptureAndResumes) {
    TarvonWindow window(state, clock, rnd, hooks);
    window.show();
    EXPECT_FALSE(window.cmdContinuar()->isVisible());
    MostraCaptura(state);
    window.tmrRellotge_Timer();
    EXPECT_TRUE(window.cmdContinuar()->isVisible());
    EXPECT_EQ(window.cmdContinuar()->text(), "Continuar");
    EXPECT_FALSE(window.tmrRellotge().isActive());
    QTest::mouseClick(window.cmdContinuar(), Qt::LeftButton);
    EXPECT_FALSE(window.cmdContinuar()->isVisible());
    EXPECT_TRUE(window.tmrRellotge().isActive());
}

} // namespace
} // namespace tarvon
