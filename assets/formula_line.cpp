#include "assets/formula_line.h"

#include "assets/arrows.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>

namespace assets {

namespace {

// Shares of the font's pixel size.
constexpr qreal kSubscriptSize = 0.68;
constexpr qreal kSubscriptDrop = 0.26;
constexpr qreal kArrowLength = 1.9;

} // namespace

FormulaLine::FormulaLine(const QString& text, const QFont& font)
    : font_(font), subscriptFont_(font), lowering_(std::round(font.pixelSize() * kSubscriptDrop)) {
    subscriptFont_.setPixelSize(static_cast<int>(std::lround(font.pixelSize() * kSubscriptSize)));
    const QFontMetricsF normal(font_);
    const QFontMetricsF lowered(subscriptFont_);
    ascent_ = normal.ascent();
    descent_ = normal.descent();
    for (const FormulaRun& run : formulaRuns(text)) {
        qreal w = 0;
        switch (run.kind) {
        case RunKind::Normal:
            w = normal.horizontalAdvance(run.text);
            break;
        case RunKind::Subscript:
            w = lowered.horizontalAdvance(run.text);
            descent_ = std::max(descent_, lowering_ + lowered.descent());
            break;
        case RunKind::Arrow:
            w = font_.pixelSize() * kArrowLength;
            break;
        }
        pieces_.push_back({run, width_, w});
        width_ += w;
    }
}

void FormulaLine::paint(QPainter& painter, QPointF baselineStart, const QColor& color) const {
    painter.save();
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(color);
    for (const Piece& piece : pieces_) {
        const QPointF at = baselineStart + QPointF(piece.x, 0);
        if (piece.run.kind == RunKind::Arrow) {
            paintArrow(painter, piece, at, color);
        } else if (piece.run.kind == RunKind::Subscript) {
            painter.setFont(subscriptFont_);
            painter.drawText(at + QPointF(0, lowering_), piece.run.text);
        } else {
            painter.setFont(font_);
            painter.drawText(at, piece.run.text);
        }
    }
    painter.restore();
}

// On the height of the middle of "+", with a little room on each side.
void FormulaLine::paintArrow(QPainter& painter, const Piece& piece, QPointF origin,
                             const QColor& color) const {
    const qreal px = font_.pixelSize();
    const qreal y = origin.y() - QFontMetricsF(font_).xHeight() * 0.55;
    const QLineF line(origin.x() + px * 0.12, y, origin.x() + piece.width - px * 0.12, y);
    drawArrow(painter, line, {color, std::max(1.2, px / 13), px * 0.42, px * 0.2});
}

} // namespace assets
