#pragma once

#include "assets/formula_runs.h"

#include <QColor>
#include <QFont>
#include <QPainter>

#include <vector>

namespace assets {

// One line of chemical text set with real subscripts (smaller, lowered digits) and a drawn
// reaction arrow, measured before it is painted so pictures can be sized to it.
class FormulaLine {
public:
    FormulaLine(const QString& text, const QFont& font);

    qreal width() const { return width_; }
    // Extent above and below the baseline, lowered subscripts included.
    qreal ascent() const { return ascent_; }
    qreal descent() const { return descent_; }

    void paint(QPainter& painter, QPointF baselineStart, const QColor& color) const;

private:
    struct Piece {
        FormulaRun run;
        qreal x;
        qreal width;
    };

    void paintArrow(QPainter& painter, const Piece& piece, QPointF origin,
                    const QColor& color) const;

    QFont font_;
    QFont subscriptFont_;
    qreal lowering_;
    std::vector<Piece> pieces_;
    qreal width_ = 0;
    qreal ascent_ = 0;
    qreal descent_ = 0;
};

} // namespace assets
