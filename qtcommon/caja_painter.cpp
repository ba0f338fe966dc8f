#include "qtcommon/caja_painter.h"

#include "qtcommon/twips.h"

#include <QPainter>

namespace tarvon {

namespace {

QColor toColor(const Rgb& c) {
    return QColor(c.r, c.g, c.b);
}

// The border lies inside the shape's square, as on a shape control.
QRectF insideBorder(const AtomShape& s) {
    const QRectF outer = twipsToPixelsF(s.left, s.top, s.width, s.height);
    const double half = s.borderWidth / 2.0;
    return outer.adjusted(half, half, -half, -half);
}

} // namespace

void paintShapes(QPainter& painter, const CajaShapes& shapes) {
    paintShapes(painter, shapes.paintOrder());
}

void paintShapes(QPainter& painter, const std::vector<const AtomShape*>& backToFront) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    QPen pen;
    pen.setJoinStyle(Qt::MiterJoin);
    for (const AtomShape* s : backToFront) {
        pen.setColor(toColor(s->border));
        pen.setWidthF(s->borderWidth);
        painter.setPen(pen);
        if (s->filled)
            painter.setBrush(toColor(s->fill));
        else
            painter.setBrush(Qt::NoBrush);
        if (s->form == ShapeForm::Circle)
            painter.drawEllipse(insideBorder(*s));
        else
            painter.drawRect(insideBorder(*s));
    }
    painter.restore();
}

} // namespace tarvon
