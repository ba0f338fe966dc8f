#include "launcher_rules/calibration_run.h"

#include "engine/clock.h"
#include "startup/calibration_text.h"
#include "startup/number_text.h"

namespace tarvon {

namespace {
constexpr int kFirstCount = 50;
constexpr int kCountStep = 10;
constexpr int kTicksPerBatch = 10;
// The batch at 400 is the last: a count above 390 ends the run.
constexpr int kLastBatchBelow = 390;
} // namespace

CalibrationRun::CalibrationRun(BallEngine& balls, Clock& clock, UniformRandom& rnd)
    : TempsPas(static_cast<float>(LeadingNumber("0.07"))), balls_(balls), clock_(clock), rnd_(rnd) {
}

void CalibrationRun::start() {
    finished_ = false;
    batches_ = 0;
    startBatch(kFirstCount);
}

void CalibrationRun::startBatch(int count) {
    balls_.CrearBoles(rnd_, count);
    batchStart_ = clock_.now();
    ticks_ = 0;
    ++batches_;
}

bool CalibrationRun::batchTooSlow() const {
    const float elapsed = static_cast<float>(clock_.now() - batchStart_);
    const float budget = kTicksPerBatch * TempsPas;
    return elapsed > budget; // exactly the budget still passes
}

CalibrationRun::TickOutcome CalibrationRun::tick() {
    TickOutcome outcome;
    if (finished_)
        return outcome;
    if (ticks_ == kTicksPerBatch) {
        if (batchTooSlow() || balls_.NombreBoles() > kLastBatchBelow) {
            finished_ = true;
            outcome.finished = true;
        } else {
            startBatch(balls_.NombreBoles() + kCountStep);
            outcome.newBatch = true;
        }
    }
    // The finishing tick still steps the balls, as every tick does.
    balls_.step();
    ++ticks_;
    return outcome;
}

std::string CalibrationRun::fileText() const {
    return CalibrationText(TempsPas, balls_.NombreBoles());
}

} // namespace tarvon
