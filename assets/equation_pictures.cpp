#include "assets/equation_pictures.h"
#include "assets/picture_area.h"

#include "assets/fitted_text.h"
#include "assets/fonts.h"
#include "assets/formula_line.h"
#include "assets/window_colours.h"

#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

namespace assets {

namespace {

constexpr int kHeight = 30;
constexpr qreal kBaseline = 20;
constexpr int kMargin = 10;

QFont kindFont() {
    return textFont(16, QFont::Bold);
}

FormulaLine equationLine(const QString& equation) {
    return FormulaLine(equation, textFont(18));
}

int fittedWidth(qreal textWidth) {
    return static_cast<int>(std::ceil(textWidth)) + 2 * kMargin;
}

QRectF inkOf(const FormulaLine& line) {
    return {kMargin, kBaseline - line.ascent(), line.width(), line.ascent() + line.descent()};
}

} // namespace

QSize reactionKindSize(const QString& kind) {
    return {fittedWidth(QFontMetricsF(kindFont()).horizontalAdvance(kind)), kHeight};
}

void paintReactionKindPicture(QImage& image, const QString& kind) {
    const QFont font = kindFont();
    const QFontMetricsF metrics(font);
    const QRectF ink(kMargin, kBaseline - metrics.ascent(), metrics.horizontalAdvance(kind),
                     metrics.height());
    requireInside(ink, pictureArea(image), kind);
    QPainter p(&image);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(font);
    p.setPen(kHeadingInk);
    p.drawText(QPointF(kMargin, kBaseline), kind);
}

QSize equationSize(const QString& equation) {
    return {fittedWidth(equationLine(equation).width()), kHeight};
}

void paintEquationPicture(QImage& image, const QString& equation) {
    const FormulaLine line = equationLine(equation);
    requireInside(inkOf(line), pictureArea(image), equation);
    QPainter p(&image);
    line.paint(p, {kMargin, kBaseline}, kTextInk);
}

} // namespace assets
