#pragma once

#include <QPainter>
#include <QRectF>
#include <QString>

namespace assets {

// Throws TextOverflow naming `what` when `ink` leaves `room` (half a pixel of slack for the
// rounding of text metrics).
void requireInside(const QRectF& ink, const QRectF& room, const QString& what);

// Draws one short label aligned by `flags` inside `room` with the painter's font and pen;
// throws TextOverflow instead of clipping it. Returns the rect the text takes.
QRectF drawFittedText(QPainter& painter, const QRectF& room, int flags, const QString& text);

} // namespace assets
