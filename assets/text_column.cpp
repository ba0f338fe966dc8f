#include "assets/text_column.h"

#include "assets/text_overflow.h"

#include <algorithm>

namespace assets {

namespace {

std::string pixels(const QSizeF& size) {
    return QStringLiteral("%1 x %2 px")
        .arg(size.width(), 0, 'f', 1)
        .arg(std::max(0.0, size.height()), 0, 'f', 1)
        .toStdString();
}

// Names the block by its start, enough to find it in its source.
std::string describe(const QString& text, const QSizeF& needed, const QSizeF& room) {
    constexpr int kShown = 40;
    const QString head = text.size() > kShown ? text.left(kShown) + "..." : text;
    return "text block \"" + head.toStdString() + "\" needs " + pixels(needed) + " but has " +
           pixels(room);
}

} // namespace

TextColumn::TextColumn(QPainter& painter, const QRectF& area)
    : painter_(painter), area_(area), top_(area.top()) {}

QRectF TextColumn::add(const TextBlock& block) {
    const int flags = block.align | Qt::AlignTop | Qt::TextWordWrap;
    const QRectF room(area_.left() + block.indent, top_, area_.width() - block.indent,
                      area_.bottom() - top_);
    painter_.setFont(block.font);
    // Set before measuring: with no pen, Qt measures the text as empty.
    painter_.setPen(block.color);
    const QRectF needed = painter_.boundingRect(room, flags, block.text);
    // Half a pixel of slack for the rounding of text metrics.
    if (room.height() <= 0 || needed.height() > room.height() + 0.5 ||
        needed.width() > room.width() + 0.5) {
        throw TextOverflow(describe(block.text, needed.size(), room.size()));
    }
    painter_.drawText(room, flags, block.text);
    top_ += needed.height() + block.spaceAfter;
    return {room.left(), needed.top(), room.width(), needed.height()};
}

} // namespace assets
