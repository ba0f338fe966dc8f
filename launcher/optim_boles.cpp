#include "launcher/optim_boles.h"

#include "launcher/ball_view.h"
#include "platform/calibration_store.h"
#include "platform/message_box.h"
#include "qtcommon/qt_language.h"
#include "qtcommon/twips.h"
#include "qtcommon/widget_colours.h"

#include <QFontMetrics>
#include <QLabel>
#include <QStringList>

#include <algorithm>

namespace tarvon {

namespace {
const QColor kBack(192, 255, 255); // balls and box alike: only the labels show
const QColor kOptimText(0, 0, 192);
const QColor kPuntsText(0, 0, 255);
const QString kSquare = QString::fromUtf8("■");
constexpr int kRightMarginTwips = 120; // the last square clear of the edge

void dressLabel(QLabel* label, const QColor& text, const QFont& font) {
    label->setFont(font);
    setLabelColours(label, kBack, text);
    label->adjustSize();
}
} // namespace

OptimBoles::OptimBoles(Clock& clock, UniformRandom& rnd, CalibrationStore& store,
                       MessageBox& messages, std::function<void()> finished, QWidget* parent)
    : QWidget(parent), balls_(CalibrationBox()), run_(balls_, clock, rnd), store_(store),
      messages_(messages), finished_(std::move(finished)) {
    setWindowTitle("Orvalis");
    setBackColour(this, kBack);
    createControls();

    // A late tick delays the next one; that delay is what is measured.
    tmrRelloOptim_.setTimerType(Qt::PreciseTimer);
    tmrRelloOptim_.setInterval(50);
    connect(&tmrRelloOptim_, &QTimer::timeout, this, &OptimBoles::tmrRelloOptim_Timer);
    run_.start();
    tmrRelloOptim_.start();
}

void OptimBoles::createControls() {
    caja_ = new BallView(balls_, kBack, this);
    caja_->setObjectName("Caja");
    caja_->setGeometry(twipsToPixels(360, 768, 8000, 8000));

    QFont optimFont = font();
    optimFont.setPointSize(12);
    optimFont.setBold(true);
    lblOptim_ = new QLabel(Tx(TX("launcher", "Optimitzant el nombre de partícules  ")), this);
    lblOptim_->setObjectName("lblOptim");
    dressLabel(lblOptim_, kOptimText, optimFont);
    lblOptim_->move(twipsToPixels(2000, 400, 0, 0).topLeft());

    // The square comes from a font every system here has.
    QFont puntsFont("DejaVu Sans", 18);
    puntsFont.setBold(true);
    lblPunts_ = new QLabel(kSquare, this);
    lblPunts_->setObjectName("lblPunts");
    dressLabel(lblPunts_, kPuntsText, puntsFont);
    lblPunts_->move(lblOptim_->geometry().right() + 1,
                    lblOptim_->y() - static_cast<int>(20 / kTwipsPerPixel));
}

void OptimBoles::tmrRelloOptim_Timer() {
    try {
        const CalibrationRun::TickOutcome outcome = run_.tick();
        if (outcome.newBatch)
            placeSquares();
        // Painted now, not later: drawing the balls is part of the measure.
        caja_->repaint();
        if (outcome.finished)
            finish();
    } catch (const std::exception&) {
        // A failed tick is dropped; the next one carries on.
    }
}

void OptimBoles::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placeSquares();
}

// One square per batch started. The row wraps where the window ends, so
// every square stays in sight.
void OptimBoles::placeSquares() {
    const int squares = run_.batches();
    const QFontMetrics metrics(lblPunts_->font());
    const int room =
        width() - lblPunts_->x() - static_cast<int>(kRightMarginTwips / kTwipsPerPixel);
    int perRow = squares;
    while (perRow > 1 && metrics.horizontalAdvance(kSquare.repeated(perRow)) > room)
        --perRow;
    QStringList rows;
    for (int left = squares; left > 0; left -= perRow)
        rows << kSquare.repeated(std::min(left, perRow));
    lblPunts_->setText(rows.join('\n'));
    lblPunts_->adjustSize();
}

void OptimBoles::finish() {
    tmrRelloOptim_.stop();
    if (const auto error = store_.write(run_.fileText()))
        messages_.show(*error); // Tarvon then falls back to its smallest budget
    if (finished_)
        finished_();
}

} // namespace tarvon
