#include "assets/legend_pictures.h"
#include "assets/picture_area.h"

#include "assets/fitted_text.h"
#include "assets/fonts.h"
#include "assets/window_colours.h"

#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

namespace assets {

namespace {

// The window sets a charge picture 10·u (5 to 8 px) lower than its symbol's picture. The
// symbol is painted low in a tall picture and the charge at the very top of its own, so
// that the charge ends above the mid-line of the symbol's capital: Fe²⁺, not Fe₂₊.
constexpr int kSymbolHeight = 26;
constexpr qreal kSymbolBaseline = 20;
constexpr int kChargeHeight = 10;
constexpr qreal kChargeInkTop = 0;
// Room left and right of the text, px: the charge starts right at the symbol's end.
constexpr qreal kSymbolLeft = 1, kSymbolRight = 1;
constexpr qreal kChargeLeft = 0, kChargeRight = 1;

QFont symbolFont() {
    return textFont(15);
}

QFont chargeFont() {
    return textFont(10);
}

QSize fittedSize(const QFont& font, const QString& text, qreal padding, int height) {
    const qreal advance = QFontMetricsF(font).horizontalAdvance(text);
    return {static_cast<int>(std::ceil(advance + padding)), height};
}

void paintLabel(QImage& image, const QFont& font, QPointF origin, const QString& text) {
    requireInside(QFontMetricsF(font).tightBoundingRect(text).translated(origin),
                  pictureArea(image), text);
    QPainter p(&image);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(font);
    p.setPen(kTextInk);
    p.drawText(origin, text);
}

} // namespace

QSize elementSize(const QString& symbol) {
    return fittedSize(symbolFont(), symbol, kSymbolLeft + kSymbolRight, kSymbolHeight);
}

void paintElementPicture(QImage& image, const QString& symbol) {
    paintLabel(image, symbolFont(), {kSymbolLeft, kSymbolBaseline}, symbol);
}

QSize chargeSize(const QString& charge) {
    return fittedSize(chargeFont(), charge, kChargeLeft + kChargeRight, kChargeHeight);
}

void paintChargePicture(QImage& image, const QString& charge) {
    const qreal inkTop = QFontMetricsF(chargeFont()).tightBoundingRect(charge).top();
    paintLabel(image, chargeFont(), {kChargeLeft, kChargeInkTop - inkTop}, charge);
}

} // namespace assets
