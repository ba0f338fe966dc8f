#include "assets/legend_pictures.h"

#include "assets/fitted_text.h"
#include "assets/fonts.h"
#include "assets/window_colours.h"

#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

namespace assets {

namespace {

constexpr int kHeight = 20;
// The symbol's capitals are centred on the picture; the charge's top lines up with theirs.
constexpr qreal kSymbolBaseline = 15;
constexpr qreal kChargeBaseline = 8.5;
// Room left and right of the text, px: the charge starts right at the symbol's end.
constexpr qreal kSymbolLeft = 1, kSymbolRight = 1;
constexpr qreal kChargeLeft = 0, kChargeRight = 1;

QFont symbolFont() {
    return textFont(15);
}

QFont chargeFont() {
    return textFont(10);
}

QSize fittedSize(const QFont& font, const QString& text, qreal padding) {
    const qreal advance = QFontMetricsF(font).horizontalAdvance(text);
    return {static_cast<int>(std::ceil(advance + padding)), kHeight};
}

void paintLabel(QImage& image, const QFont& font, QPointF origin, const QString& text) {
    requireInside(QFontMetricsF(font).tightBoundingRect(text).translated(origin), image.rect(),
                  text);
    QPainter p(&image);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(font);
    p.setPen(kTextInk);
    p.drawText(origin, text);
}

} // namespace

QSize elementSize(const QString& symbol) {
    return fittedSize(symbolFont(), symbol, kSymbolLeft + kSymbolRight);
}

void paintElementPicture(QImage& image, const QString& symbol) {
    paintLabel(image, symbolFont(), {kSymbolLeft, kSymbolBaseline}, symbol);
}

QSize chargeSize(const QString& charge) {
    return fittedSize(chargeFont(), charge, kChargeLeft + kChargeRight);
}

void paintChargePicture(QImage& image, const QString& charge) {
    paintLabel(image, chargeFont(), {kChargeLeft, kChargeBaseline}, charge);
}

} // namespace assets
