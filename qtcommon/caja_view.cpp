#include "qtcommon/caja_view.h"

#include "qtcommon/frame_throttle.h"
#include "qtcommon/picture_canvas.h"
#include "qtcommon/twips.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace tarvon {

namespace {

// The device pixels the painter's pixels stand for: the screen's ratio on
// the window, 1 when rendered into an image.
double deviceScale(const QPainter& painter) {
    const double s = painter.deviceTransform().m11();
    return s > 0 ? s : 1;
}

QSize deviceSize(QSize logical, double scale) {
    return {static_cast<int>(std::ceil(logical.width() * scale - 1e-6)),
            static_cast<int>(std::ceil(logical.height() * scale - 1e-6))};
}

} // namespace

CajaView::CajaView(const CajaShapes& shapes, QWidget* parent)
    : QWidget(parent), shapes_(shapes), throttle_(new FrameThrottle(*this)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

CajaView::~CajaView() = default;

void CajaView::setBackColor(const QColor& color) {
    back_ = color;
    clearPicture();
}

void CajaView::place(float left, float top, float width, float height) {
    setGeometry(twipsToPixels(left, top, width, height));
}

void CajaView::clearPicture() {
    commands_.clear();
    fitPicture(devicePixelRatioF());
    picture_.fill(back_);
    changed();
}

void CajaView::line(TwipPoint from, TwipPoint to, Rgb colour, int width, LineStyle) {
    // An inside-solid line is drawn like a solid one; the style only matters
    // for closed figures.
    commands_.push_back({false, from, to, colour, width});
    fitPicture(devicePixelRatioF());
    draw(commands_.back());
    changed();
}

void CajaView::floodFill(TwipPoint seed, Rgb colour) {
    commands_.push_back({true, seed, seed, colour, 0});
    fitPicture(devicePixelRatioF());
    draw(commands_.back());
    changed();
}

void CajaView::draw(const Command& c) {
    PictureCanvas canvas(picture_, scale_);
    if (c.fill)
        canvas.floodFill(c.from, c.colour);
    else
        canvas.line(c.from, c.to, c.colour, c.width, LineStyle::Solid);
}

void CajaView::changed() {
    ++revision_;
    update();
}

const QImage& CajaView::pictureImage() {
    fitPicture(scale_);
    return picture_;
}

void CajaView::requestFrame() {
    throttle_->request();
}

void CajaView::fitPicture(double scale) {
    const QSize wanted = deviceSize(size(), scale);
    if (picture_.size() == wanted && scale == scale_)
        return;
    QImage fitted(wanted, QImage::Format_RGB32);
    fitted.fill(back_);
    if (scale != scale_) {
        // Drawn again, sharp at the new ratio.
        picture_.swap(fitted);
        scale_ = scale;
        for (const Command& c : commands_)
            draw(c);
    } else {
        if (!picture_.isNull()) {
            QPainter painter(&fitted);
            painter.drawImage(0, 0, picture_);
        }
        picture_.swap(fitted);
    }
    ++revision_;
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
    painter_.setMinimumAtomDiameter(dip);
    update();
}

void CajaView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const double scale = deviceScale(painter);
    fitPicture(scale);
    // Device pixels from here: sprites and the picture are copied, not scaled.
    // The picture covers the whole widget, so nothing is cleared first.
    painter.setWorldTransform(QTransform::fromScale(1 / scale, 1 / scale));
    painter_.paint(painter, picture_, revision_, shapes_, scale);
}

} // namespace tarvon
