#include "qtcommon/caja_view.h"

#include "qtcommon/caja_painter.h"
#include "qtcommon/twips.h"

#include <QMouseEvent>

#include <QPainter>

namespace tarvon {

CajaView::CajaView(const CajaShapes& shapes, QWidget* parent) : QWidget(parent), shapes_(shapes) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CajaView::setBackColor(const QColor& color) {
    back_ = color;
    clearPicture();
}

void CajaView::place(float left, float top, float width, float height) {
    setGeometry(twipsToPixels(left, top, width, height));
}

void CajaView::clearPicture() {
    fitPicture();
    picture_.fill(back_);
    update();
}

CajaCanvas& CajaView::picture() {
    fitPicture();
    update();
    return canvas_;
}

const QImage& CajaView::pictureImage() {
    fitPicture();
    return picture_;
}

void CajaView::fitPicture() {
    if (picture_.size() == size())
        return;
    QImage grown(size(), QImage::Format_RGB32);
    grown.fill(back_);
    if (!picture_.isNull()) {
        QPainter painter(&grown);
        painter.drawImage(0, 0, picture_);
    }
    picture_.swap(grown);
}

void CajaView::mousePressEvent(QMouseEvent* event) {
    if (!onMouseDown)
        return;
    const QPointF p = event->position() * kTwipsPerPixel;
    onMouseDown(static_cast<float>(p.x()), static_cast<float>(p.y()));
}

void CajaView::paintEvent(QPaintEvent*) {
    fitPicture();
    QPainter painter(this);
    painter.fillRect(rect(), back_);
    painter.drawImage(0, 0, picture_);
    paintShapes(painter, shapes_);
}

} // namespace tarvon
