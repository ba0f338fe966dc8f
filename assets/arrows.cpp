#include "assets/arrows.h"

#include <QPolygonF>

namespace assets {

namespace {

// Paints the head whose tip is line.p2(); returns the middle of its base.
QPointF drawHead(QPainter& p, const QLineF& line, const ArrowStyle& style) {
    const QLineF unit = line.unitVector();
    const QPointF along = unit.p2() - unit.p1();
    const QPointF across(-along.y(), along.x());
    const QPointF base = line.p2() - along * style.headLength;
    p.setPen(Qt::NoPen);
    p.setBrush(style.color);
    p.drawPolygon(QPolygonF(
        {line.p2(), base + across * style.headHalfWidth, base - across * style.headHalfWidth}));
    // Slightly inside the head, so the antialiased seam does not show.
    return base + along * 0.5;
}

} // namespace

void drawArrow(QPainter& painter, const QLineF& line, const ArrowStyle& style, bool bothEnds) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF end = drawHead(painter, line, style);
    const QPointF start =
        bothEnds ? drawHead(painter, QLineF(line.p2(), line.p1()), style) : line.p1();
    painter.setPen(QPen(style.color, style.width, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(start, end);
    painter.restore();
}

} // namespace assets
