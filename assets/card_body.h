#pragma once

#include "assets/info_card.h"
#include "assets/text_column.h"

#include <QPainter>

namespace assets {

// The body of a text picture: headings, paragraphs and list items in the card's colours,
// laid out by a TextColumn, so anything that would be clipped throws TextOverflow.
class CardBody {
public:
    CardBody(QImage& image, const QRectF& area, const CardFonts& fonts);

    void heading(const QString& text);
    void paragraph(const QString& text);
    void bullet(const QString& text);
    void numbered(int number, const QString& text);

private:
    qreal gap() const { return std::round(fonts_.body * 0.5); }

    QPainter painter_;
    CardFonts fonts_;
    TextColumn column_;
};

} // namespace assets
