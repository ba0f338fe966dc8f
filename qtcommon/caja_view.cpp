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

void CajaView::setMinimumAtomDiameter(double dip) {
    if (dip == minimumAtom_)
        return;
    minimumAtom_ = dip;
    update();
}

namespace {

// Circles below the least diameter, grown about their centre; the shapes
// themselves, and so the model, are left alone.
std::vector<AtomShape> AtLeast(const std::vector<const AtomShape*>& shapes, double dip) {
    const double least = dip * kTwipsPerPixel;
    std::vector<AtomShape> drawn;
    drawn.reserve(shapes.size());
    for (const AtomShape* s : shapes) {
        AtomShape a = *s;
        if (a.form == ShapeForm::Circle && a.width < least) {
            const double cx = a.left + a.width / 2.0, cy = a.top + a.height / 2.0;
            a.width = a.height = static_cast<float>(least);
            a.left = static_cast<float>(cx - least / 2);
            a.top = static_cast<float>(cy - least / 2);
        }
        drawn.push_back(a);
    }
    return drawn;
}

} // namespace

void CajaView::paintEvent(QPaintEvent*) {
    fitPicture();
    QPainter painter(this);
    painter.fillRect(rect(), back_);
    painter.drawImage(0, 0, picture_);
    if (minimumAtom_ <= 0) {
        paintShapes(painter, shapes_);
        return;
    }
    const std::vector<AtomShape> drawn = AtLeast(shapes_.paintOrder(), minimumAtom_);
    std::vector<const AtomShape*> order;
    order.reserve(drawn.size());
    for (const AtomShape& a : drawn)
        order.push_back(&a);
    paintShapes(painter, order);
}

} // namespace tarvon
