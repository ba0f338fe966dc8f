#pragma once

#include <QColor>
#include <QLineF>
#include <QPainter>

namespace assets {

struct ArrowStyle {
    QColor color;
    qreal width;         // of the line, px
    qreal headLength;    // px
    qreal headHalfWidth; // px
};

// A line ending in a filled head at line.p2(), and at line.p1() too when `bothEnds`. The line
// stops at the heads' bases so that it never pokes through a tip.
void drawArrow(QPainter& painter, const QLineF& line, const ArrowStyle& style,
               bool bothEnds = false);

} // namespace assets
