#include "qtcommon/picture_canvas.h"

#include "qtcommon/flood_fill.h"
#include "qtcommon/twips.h"

#include <QPainter>

#include <cmath>

namespace tarvon {

namespace {

QPointF toPixels(TwipPoint p) {
    return {p.x / kTwipsPerPixel, p.y / kTwipsPerPixel};
}

} // namespace

void PictureCanvas::line(TwipPoint from, TwipPoint to, Rgb colour, int width, LineStyle) {
    // An inside-solid line is drawn like a solid one; the style only matters
    // for closed figures.
    QPainter painter(&image_);
    painter.setRenderHint(QPainter::Antialiasing, false);
    QPen pen(QColor(colour.r, colour.g, colour.b));
    pen.setWidth(width);
    pen.setCapStyle(Qt::RoundCap);
    painter.setPen(pen);
    painter.drawLine(toPixels(from), toPixels(to));
}

void PictureCanvas::floodFill(TwipPoint seed, Rgb colour) {
    const QPointF p = toPixels(seed);
    // Far outside (or not a number): nothing to fill, and no int overflow.
    if (!(std::abs(p.x()) < 1e6 && std::abs(p.y()) < 1e6))
        return;
    tarvon::floodFill(image_, QPoint(qRound(p.x()), qRound(p.y())),
                      qRgb(colour.r, colour.g, colour.b));
}

} // namespace tarvon
