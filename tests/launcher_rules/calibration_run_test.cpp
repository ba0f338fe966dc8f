#include "engine/fakes.h"
#include "launcher_rules/calibration_run.h"

#include <gtest/gtest.h>

#include <vector>

namespace tarvon {
namespace {

struct Calibration : ::testing::Test {
    BallEngine balls{CalibrationBox()};
    test::FakeClock clock;
    test::ScriptedRandom rnd;
    CalibrationRun run{balls, clock, rnd};
    std::vector<int> counts; // ball count of each batch

    Calibration() {
        clock.t = 86399.5; // monotonic: no midnight to cross
        run.start();
        counts.push_back(run.NombreBoles());
        EXPECT_FALSE(run.tick().finished); // first step of the first batch
    }

    // Ten steps, the batch taking `seconds`, then the evaluating tick.
    CalibrationRun::TickOutcome batch(double seconds) {
        const double start = clock.t;
        for (int i = 0; i < 9; ++i)
            EXPECT_FALSE(run.tick().finished);
        clock.t = start + seconds;
        const auto outcome = run.tick();
        if (outcome.newBatch)
            counts.push_back(run.NombreBoles());
        return outcome;
    }
};

TEST_F(Calibration, AFastMachineGoesFrom50To400InStepsOf10) {
    CalibrationRun::TickOutcome outcome;
    while (!(outcome = batch(0.5)).finished)
        ASSERT_TRUE(outcome.newBatch);
    ASSERT_EQ(counts.size(), 36u);
    EXPECT_EQ(counts[34], 390); // not yet final
    EXPECT_EQ(run.fileText(), " .07\r\n 400\r\n");
    EXPECT_FALSE(run.tick().newBatch); // a finished run stays finished
    EXPECT_EQ(run.NombreBoles(), 400);
}

TEST_F(Calibration, ABatchOfExactlyTheBudgetGoesOnAndALongerOneEndsTheRun) {
    EXPECT_TRUE(batch(0.7).newBatch);
    EXPECT_TRUE(batch(0.7).newBatch);
    EXPECT_TRUE(batch(0.701).finished);
    EXPECT_EQ(run.fileText(), " .07\r\n 70\r\n");
}

TEST_F(Calibration, ASlowFirstBatchWrites50) {
    EXPECT_TRUE(batch(0.8).finished);
    EXPECT_EQ(run.fileText(), " .07\r\n 50\r\n");
}

} // namespace
} // namespace tarvon
