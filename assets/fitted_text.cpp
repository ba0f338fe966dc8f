#include "assets/fitted_text.h"

#include "assets/text_overflow.h"

namespace assets {

namespace {

std::string rectText(const QRectF& r) {
    return QStringLiteral("%1 x %2 px at (%3, %4)")
        .arg(r.width(), 0, 'f', 1)
        .arg(r.height(), 0, 'f', 1)
        .arg(r.left(), 0, 'f', 1)
        .arg(r.top(), 0, 'f', 1)
        .toStdString();
}

} // namespace

void requireInside(const QRectF& ink, const QRectF& room, const QString& what) {
    constexpr qreal kSlack = 0.5;
    if (ink.left() < room.left() - kSlack || ink.top() < room.top() - kSlack ||
        ink.right() > room.right() + kSlack || ink.bottom() > room.bottom() + kSlack) {
        throw TextOverflow("text \"" + what.toStdString() + "\" takes " + rectText(ink) +
                           " but has " + rectText(room));
    }
}

QRectF drawFittedText(QPainter& painter, const QRectF& room, int flags, const QString& text) {
    const QRectF taken = painter.boundingRect(room, flags, text);
    requireInside(taken, room, text);
    painter.drawText(room, flags, text);
    return taken;
}

} // namespace assets
