#include "assets/icon_picture.h"

#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>

namespace assets {

namespace {

const QColor kTileTop(0x2a, 0x86, 0xc4);
const QColor kTileBottom(0x0b, 0x4f, 0x8a);
const QColor kBoxEdge(255, 255, 255);

// One atom, shaded from the upper left so it reads as a ball even at 16 pixels.
void paintBall(QPainter& p, QPointF centre, double radius, QColor colour) {
    QRadialGradient shade(centre - QPointF(radius * 0.35, radius * 0.35), radius * 1.3);
    shade.setColorAt(0, colour.lighter(160));
    shade.setColorAt(0.55, colour);
    shade.setColorAt(1, colour.darker(150));
    p.setPen(QPen(QColor(0, 0, 0, 90), radius * 0.08));
    p.setBrush(shade);
    p.drawEllipse(centre, radius, radius);
}

void paintTile(QPainter& p) {
    QLinearGradient fill(0, 0, 0, kIconUnits);
    fill.setColorAt(0, kTileTop);
    fill.setColorAt(1, kTileBottom);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(8, 8, 240, 240), 44, 44);
}

// The box in oblique perspective, as the simulation draws it: the back face up and to the right.
void paintBox(QPainter& p, const QRectF& front, QPointF depth) {
    const QRectF back = front.translated(depth);
    p.setPen(QPen(kBoxEdge, 9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(255, 255, 255, 40));
    p.drawRect(back);
    for (const QPointF& corner :
         {front.topLeft(), front.topRight(), front.bottomLeft(), front.bottomRight()})
        p.drawLine(corner, corner + depth);
    p.setBrush(QColor(255, 255, 255, 30));
    p.drawRect(front);
}

} // namespace

void paintIcon(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    paintTile(p);
    paintBox(p, QRectF(40, 84, 136, 136), QPointF(40, -44));
    // A diatomic molecule and two free atoms: a reaction under way.
    paintBall(p, QPointF(92, 164), 30, QColor(0x8e, 0x3c, 0xb8));
    paintBall(p, QPointF(128, 140), 22, QColor(0xf2, 0xf2, 0xf2));
    paintBall(p, QPointF(172, 96), 24, QColor(0xe0, 0x3a, 0x2c));
    paintBall(p, QPointF(154, 190), 18, QColor(0xf2, 0xf2, 0xf2));
}

QImage renderIcon(int pixels) {
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.scale(double(pixels) / kIconUnits, double(pixels) / kIconUnits);
    paintIcon(p);
    return image;
}

} // namespace assets
