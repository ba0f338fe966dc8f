#include "qtcommon/caja_painter.h"

#include "qtcommon/shape_rect.h"

#include <QPainter>

namespace tarvon {

void paintShapes(QPainter& painter, const CajaShapes& shapes, double minimumAtomDiameter) {
    paintShapes(painter, shapes.paintOrder(), minimumAtomDiameter);
}

void paintShapes(QPainter& painter, const std::vector<const AtomShape*>& backToFront,
                 double minimumAtomDiameter) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    for (const AtomShape* s : backToFront)
        paintShape(painter, *s, minimumAtomDiameter);
    painter.restore();
}

void paintShape(QPainter& painter, const AtomShape& s, double minimumAtomDiameter) {
    QPen pen(toColor(s.border));
    pen.setJoinStyle(Qt::MiterJoin);
    pen.setWidthF(s.borderWidth);
    painter.setPen(pen);
    painter.setBrush(s.filled ? QBrush(toColor(s.fill)) : QBrush(Qt::NoBrush));
    const QRectF r = insideBorder(shapeRect(s, minimumAtomDiameter), s.borderWidth);
    if (s.form == ShapeForm::Circle)
        painter.drawEllipse(r);
    else
        painter.drawRect(r);
}

} // namespace tarvon
