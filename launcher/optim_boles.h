#pragma once

#include "launcher_rules/ball_engine.h"
#include "launcher_rules/calibration_run.h"

#include <QTimer>
#include <QWidget>

#include <functional>

class QLabel;

namespace tarvon {

class BallView;
class CalibrationStore;
class MessageBox;

// The calibration window: animates ever more balls until a batch of steps is
// too slow, writes the count to the calibration file and hands over to the
// launcher window.
class OptimBoles : public QWidget {
    Q_OBJECT
public:
    OptimBoles(Clock& clock, UniformRandom& rnd, CalibrationStore& store, MessageBox& messages,
               std::function<void()> finished, QWidget* parent = nullptr);

    BallView* Caja() const { return caja_; }
    QLabel* lblOptim() const { return lblOptim_; }
    QLabel* lblPunts() const { return lblPunts_; }
    QTimer& tmrRelloOptim() { return tmrRelloOptim_; }
    const CalibrationRun& run() const { return run_; }

public slots:
    void tmrRelloOptim_Timer();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void createControls();
    void placeSquares();
    void finish();

    BallEngine balls_;
    CalibrationRun run_;
    CalibrationStore& store_;
    MessageBox& messages_;
    std::function<void()> finished_;
    BallView* caja_ = nullptr;
    QLabel* lblOptim_ = nullptr;
    QLabel* lblPunts_ = nullptr;
    QTimer tmrRelloOptim_;
};

} // namespace tarvon
