#include "engine/fakes.h"
#include "launcher/optim_boles.h"
#include "launcher_fakes.h"

#include <QLabel>
#include <gtest/gtest.h>

namespace tarvon {
namespace {

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
    EXPECT_EQ(window.lblPunts()->text(), QString(36, QChar(0x25A0)));
    EXPECT_FALSE(window.tmrRelloOptim().isActive());
}

TEST_F(CalibrationWindow, AFileThatCannotBeWrittenIsReportedAndTheLauncherStillOpens) {
    store.writeError = "Permission denied";
    runToTheEnd(0.9); // the first batch is already too slow
    EXPECT_EQ(messages.shown, std::vector<std::string>{"Permission denied"});
    EXPECT_EQ(finished, 1);
}

} // namespace
} // namespace tarvon
