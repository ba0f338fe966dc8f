#include "launcher/textured_background.h"

#include <QPainter>

namespace tarvon {

TexturedBackground::TexturedBackground(const QColor& back, Picture picture, QWidget* parent)
    : QWidget(parent), back_(back), picture_(std::move(picture)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TexturedBackground::paintEvent(QPaintEvent*) {
    // Asked for at the first paint, when a maximised window has its size.
    fetch();
    QPainter painter(this);
    painter.fillRect(rect(), back_);
    if (!shown_.isNull())
        painter.drawPixmap(0, 0, shown_);
}

void TexturedBackground::fetch() {
    // Painting a large picture takes a while: keep one that still covers.
    const double ratio = devicePixelRatioF();
    const QSizeF own = shown_.deviceIndependentSize();
    if (!shown_.isNull() && shown_.devicePixelRatio() == ratio && own.width() >= width() &&
        own.height() >= height())
        return;
    shown_ = picture_(size(), ratio);
}

} // namespace tarvon
