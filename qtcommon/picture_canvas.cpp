#include "qtcommon/picture_canvas.h"

#include "qtcommon/flood_fill.h"
#include "qtcommon/twips.h"

#include <QPainter>

#include <cmath>

namespace tarvon {

QPointF PictureCanvas::toDevice(TwipPoint p) const {
    return {p.x / kTwipsPerPixel * scale_, p.y / kTwipsPerPixel * scale_};
}

void PictureCanvas::line(TwipPoint from, TwipPoint to, Rgb colour, int width, LineStyle) {
    // An inside-solid line is drawn like a solid one; the style only matters
    // for closed figures.
    QPainter painter(&image_);
    painter.setRenderHint(QPainter::Antialiasing, false);
    QPen pen(QColor(colour.r, colour.g, colour.b));
    pen.setWidthF(width * scale_);
    pen.setCapStyle(Qt::RoundCap);
    painter.setPen(pen);
    painter.drawLine(toDevice(from), toDevice(to));
}

void PictureCanvas::floodFill(TwipPoint seed, Rgb colour) {
    const QPointF p = toDevice(seed);
    // Far outside (or not a number): nothing to fill, and no int overflow.
    if (!(std::abs(p.x()) < 1e6 && std::abs(p.y()) < 1e6))
        return;
    tarvon::floodFill(image_, QPoint(qRound(p.x()), qRound(p.y())),
                      qRgb(colour.r, colour.g, colour.b));
}

} // namespace tarvon
