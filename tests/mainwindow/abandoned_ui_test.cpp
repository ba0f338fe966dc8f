#include "engine/fakes.h"
#include "engine/reaction_hooks.h"
#include "engine/uniform_random.h"
#include "mainwindow/tarvon_window.h"
#include "qtcommon/caja_view.h"

#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace tarvon {
namespace {

// Handlers and ticks that an error abandons are counted, with the last error,
// so that whoever drives the window can tell.
TEST(Abandoned, TicksAndHandlersThatFailAreCountedWithTheirError) {
    auto state = std::make_unique<SimulationState>();
    test::FakeClock clock;
    MersenneRandom rnd{7};
    ReactionHooks hooks;
    QTemporaryDir folder;
    TarvonWindow window(*state, clock, rnd, hooks,
                        {{1.0f, false}, 81, DataPictures(folder.path().toStdString())});
    window.command("NH3");
    window.command("AccionsMarcar");
    window.tmrRellotge_Timer();
    EXPECT_EQ(window.abandoned(), 0) << window.lastError();

    const int numA = state->NumA;
    state->NumA = 600; // beyond the lists: the next pass over the atoms fails
    window.tmrRellotge_Timer();
    EXPECT_EQ(window.abandoned(), 1);
    EXPECT_TRUE(window.lastError().starts_with("tmrRellotge: ")) << window.lastError();

    window.show();
    CajaView* caja = window.controls().Caja;
    QTest::mouseClick(caja, Qt::LeftButton, Qt::NoModifier, caja->rect().center());
    EXPECT_EQ(window.abandoned(), 2);
    EXPECT_TRUE(window.lastError().starts_with("Caja_MouseDown: ")) << window.lastError();

    state->NumA = numA;
    window.tmrRellotge_Timer();
    EXPECT_EQ(window.abandoned(), 2) << window.lastError();
}

} // namespace
} // namespace tarvon
