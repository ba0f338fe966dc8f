#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QRectF>
#include <QString>

namespace assets {

struct TextBlock {
    QString text;
    QFont font;
    QColor color;
    qreal indent = 0;     // px from the column's left edge
    qreal spaceAfter = 0; // px
    int align = Qt::AlignLeft;
};

// Lays word-wrapped text blocks top to bottom inside an area. A block that would cross the
// area's edges throws TextOverflow instead of being clipped.
class TextColumn {
public:
    TextColumn(QPainter& painter, const QRectF& area);

    // Draws the block below the previous one and returns the rect it took.
    QRectF add(const TextBlock& block);
    void skip(qreal px) { top_ += px; }
    qreal top() const { return top_; }

private:
    QPainter& painter_;
    QRectF area_;
    qreal top_;
};

} // namespace assets
