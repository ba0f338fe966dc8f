#include "engine/fakes.h"
#include "launcher/optim_boles.h"
#include "launcher_fakes.h"

#include <QCoreApplication>
#include <QLabel>
#include <gtest/gtest.h>

namespace tarvon {
namespace {

const QChar kSquare(0x25A0);

struct CalibrationWindow : ::testing::Test {
    test::FakeClock clock;
    test::ScriptedRandom rnd;
    test::MemoryStore store;
    test::RecordingMessages messages;
    int finished = 0;
    OptimBoles window{clock, rnd, store, messages, [this] { ++finished; }};

    // Ticks by hand, each batch taking `seconds`, until the run hands over.
    void runToTheEnd(double seconds) {
        window.tmrRelloOptim().stop();
        for (int tick = 0; tick < 400 && finished == 0; ++tick) {
            clock.t += seconds / 10;
            window.tmrRelloOptim_Timer();
        }
    }
};

TEST_F(CalibrationWindow, AFastRunWrites400AndHandsOverWithASquarePerBatch) {
    EXPECT_TRUE(window.tmrRelloOptim().isActive());
    runToTheEnd(0.5);
    EXPECT_EQ(finished, 1);
    EXPECT_EQ(store.bytes, std::string(" .07\r\n 400\r\n"));
    EXPECT_EQ(window.lblPunts()->text().count(kSquare), 36);
    EXPECT_FALSE(window.tmrRelloOptim().isActive());
}

TEST_F(CalibrationWindow, AFileThatCannotBeWrittenIsReportedAndTheLauncherStillOpens) {
    store.writeError = "Permission denied";
    runToTheEnd(0.9); // the first batch is already too slow
    EXPECT_EQ(messages.shown, std::vector<std::string>{"Permission denied"});
    EXPECT_EQ(finished, 1);
}

// The run on the narrowest screen, then the window widened to the other two
// classes: the squares wrap inside the window and re-flow when it changes.
TEST_F(CalibrationWindow, AllSquaresStayInsideTheWindowAtEveryScreenWidth) {
    window.resize(800, 600);
    window.show();
    runToTheEnd(0.5);
    ASSERT_EQ(finished, 1);
    std::vector<int> rows;
    for (const QSize screen : {QSize(800, 600), QSize(1024, 768), QSize(1280, 1024)}) {
        window.resize(screen);
        QCoreApplication::processEvents();
        ASSERT_EQ(window.size(), screen);
        const QLabel* squares = window.lblPunts();
        EXPECT_EQ(squares->text().count(kSquare), 36) << screen.width();
        EXPECT_TRUE(window.rect().contains(squares->geometry())) << screen.width();
        EXPECT_GE(squares->width(), squares->sizeHint().width()) << screen.width(); // none cut off
        rows.push_back(squares->text().count('\n') + 1);
    }
    EXPECT_GT(rows.front(), rows.back());
}

} // namespace
} // namespace tarvon
