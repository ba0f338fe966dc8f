#include "assets/card_body.h"

#include "assets/fonts.h"

#include <QFontMetricsF>

#include <algorithm>

#include <cmath>

namespace assets {

namespace {

const QColor kHeading(11, 79, 138);
const QColor kBody(30, 43, 56);
const QColor kMarker(38, 150, 170);
const QColor kFigure(255, 255, 255);

} // namespace

CardBody::CardBody(QImage& image, const QRectF& area, const CardFonts& fonts)
    : painter_(&image), fonts_(fonts), column_(painter_, area) {
    painter_.setRenderHint(QPainter::Antialiasing);
    painter_.setRenderHint(QPainter::TextAntialiasing);
}

void CardBody::heading(const QString& text) {
    column_.skip(std::round(fonts_.body * 0.3));
    const QRectF taken = column_.add({text, textFont(fonts_.heading, QFont::Bold), kHeading});
    // A short underline ties the heading to the text below it.
    painter_.setPen(
        QPen(kMarker, std::max(1.0, fonts_.heading / 8.0), Qt::SolidLine, Qt::RoundCap));
    const qreal y = taken.bottom() + 2;
    painter_.drawLine(QPointF(taken.left(), y), QPointF(taken.left() + fonts_.heading * 1.6, y));
    column_.skip(gap());
}

void CardBody::paragraph(const QString& text) {
    column_.add({text, textFont(fonts_.body), kBody, 0, gap()});
}

void CardBody::bullet(const QString& text) {
    const QFont font = textFont(fonts_.body);
    const qreal indent = std::round(fonts_.body * 1.1);
    const QRectF taken = column_.add({text, font, kBody, indent, gap() * 0.6});
    // The dot sits on the middle of the first line's lowercase letters.
    const QFontMetricsF metrics(font);
    const qreal r = fonts_.body * 0.17;
    const QPointF centre(taken.left() - indent * 0.55,
                         taken.top() + metrics.ascent() - metrics.xHeight() / 2);
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(kMarker);
    painter_.drawEllipse(centre, r, r);
}

void CardBody::numbered(int number, const QString& text) {
    const QFont font = textFont(fonts_.body);
    const qreal r = fonts_.body * 0.72;
    const qreal indent = std::round(2 * r + fonts_.body * 0.5);
    const QRectF taken = column_.add({text, font, kBody, indent, gap() * 1.2});
    const QFontMetricsF metrics(font);
    const QPointF centre(taken.left() - indent + r, taken.top() + metrics.height() / 2);
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(kMarker);
    painter_.drawEllipse(centre, r, r);
    painter_.setPen(kFigure);
    painter_.setFont(figureFont(std::lround(fonts_.body * 0.8)));
    painter_.drawText(QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r), Qt::AlignCenter,
                      QString::number(number));
}

} // namespace assets
