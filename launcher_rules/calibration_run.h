#pragma once

#include "launcher_rules/ball_engine.h"

#include <string>

namespace tarvon {

class Clock;
class UniformRandom;

// Finds how many balls this computer moves within the time budget: batches of
// 10 steps from 50 balls up in steps of 10, until a batch takes longer than
// 10 budgets or the batch at 400 is done.
class CalibrationRun {
public:
    struct TickOutcome {
        bool newBatch = false; // one more ball count passed
        bool finished = false; // NombreBoles is the result; write it now
    };

    CalibrationRun(BallEngine& balls, Clock& clock, UniformRandom& rnd);

    // The first batch: 50 balls, the clock started.
    void start();
    // One tick of the calibration timer: the evaluation when a batch is
    // complete, then one step of every ball.
    TickOutcome tick();

    bool finished() const { return finished_; }
    int NombreBoles() const { return balls_.NombreBoles(); }
    int batches() const { return batches_; }
    // The calibration file's bytes for the result.
    std::string fileText() const;

    const float TempsPas; // seconds per step

private:
    bool batchTooSlow() const;
    void startBatch(int count);

    BallEngine& balls_;
    Clock& clock_;
    UniformRandom& rnd_;
    int ticks_ = 0;
    double batchStart_ = 0; // monotonic seconds
    int batches_ = 0;
    bool finished_ = false;
};

} // namespace tarvon
