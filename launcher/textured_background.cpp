#include "launcher/textured_background.h"

#include <QPainter>

namespace tarvon {

TexturedBackground::TexturedBackground(const QColor& back, const QPixmap& picture, QWidget* parent)
    : QWidget(parent), back_(back), picture_(picture) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TexturedBackground::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), back_);
    if (!picture_.isNull())
        painter.drawPixmap(0, 0, picture_);
}

} // namespace tarvon
