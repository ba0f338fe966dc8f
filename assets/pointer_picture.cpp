#include "assets/pointer_picture.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace assets {

namespace {

const QColor kOutline(0, 0, 150);
const QColor kArrow(255, 255, 255);
const QColor kGlass(235, 250, 255);
const QColor kLiquid(38, 170, 190);
const QColor kBubble(220, 255, 255);

// Coordinates are pixel centres, so the tip covers pixel (0, 0) fully.
void paintArrow(QPainter& p) {
    const QPolygonF arrow({{0.5, 0.5},
                           {0.5, 19.5},
                           {5.0, 15.5},
                           {8.5, 23.0},
                           {11.5, 21.5},
                           {8.0, 14.5},
                           {14.0, 14.0}});
    p.setPen(QPen(kOutline, 1.2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(kArrow);
    p.drawPolygon(arrow);
}

// An Erlenmeyer flask in the lower right corner, clear of the arrow.
void paintFlask(QPainter& p) {
    QPainterPath glass;
    glass.moveTo(20.5, 14.5);
    glass.lineTo(20.5, 20.0);
    glass.lineTo(15.5, 29.0);
    glass.quadTo(15.0, 31.0, 17.0, 31.0);
    glass.lineTo(29.0, 31.0);
    glass.quadTo(31.0, 31.0, 30.5, 29.0);
    glass.lineTo(25.5, 20.0);
    glass.lineTo(25.5, 14.5);
    glass.closeSubpath();

    QPainterPath liquid;
    liquid.addRect(QRectF(14, 24.5, 18, 8));
    p.setPen(Qt::NoPen);
    p.setBrush(kGlass);
    p.drawPath(glass);
    p.setBrush(kLiquid);
    p.drawPath(glass.intersected(liquid));
    p.setBrush(kBubble);
    p.drawEllipse(QPointF(21.5, 28.0), 1.2, 1.2);
    p.drawEllipse(QPointF(25.0, 26.5), 0.9, 0.9);
    p.setPen(QPen(kOutline, 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(glass);
    p.drawLine(QPointF(19.0, 14.5), QPointF(27.0, 14.5)); // the rim
}

} // namespace

void paintPointerPicture(QImage& image) {
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    paintArrow(p);
    paintFlask(p);
}

} // namespace assets
