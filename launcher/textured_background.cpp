#include "launcher/textured_background.h"

#include <QPainter>

namespace tarvon {

TexturedBackground::TexturedBackground(const QColor& back, const QPixmap& picture, QWidget* parent)
    : QWidget(parent), back_(back), picture_(picture), shown_(picture) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TexturedBackground::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), back_);
    if (!shown_.isNull())
        painter.drawPixmap(0, 0, shown_);
}

void TexturedBackground::resizeEvent(QResizeEvent*) {
    const QSize own = picture_.size();
    if (picture_.isNull() || (width() <= own.width() && height() <= own.height()))
        shown_ = picture_;
    else
        shown_ = picture_.scaled(size(), Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation);
}

} // namespace tarvon
