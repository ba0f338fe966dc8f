#include "mainwindow/caja_view.h"

#include "mainwindow/caja_painter.h"

#include <QPainter>

namespace tarvon {

CajaView::CajaView(const CajaShapes& shapes, QWidget* parent) : QWidget(parent), shapes_(shapes) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CajaView::setBackColor(const QColor& color) {
    back_ = color;
    update();
}

void CajaView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), back_);
    paintShapes(painter, shapes_);
}

} // namespace tarvon
