#include "mainwindow/circle_widget.h"

#include <QPainter>

namespace tarvon {

CircleWidget::CircleWidget(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TranslucentBackground);
}

void CircleWidget::setColours(const QColor& fill, const QColor& border, int borderWidth) {
    fill_ = fill;
    border_ = border;
    borderWidth_ = borderWidth;
    update();
}

void CircleWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(fill_);
    painter.setPen(QPen(border_, borderWidth_));
    const double inset = borderWidth_ / 2.0;
    painter.drawEllipse(QRectF(rect()).adjusted(inset, inset, -inset, -inset));
}

} // namespace tarvon
