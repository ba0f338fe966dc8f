#include "qtcommon/atom_sprites.h"

#include "qtcommon/caja_painter.h"
#include "qtcommon/shape_rect.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace tarvon {

namespace {

// Past this many bytes of sprites the sizes in use have moved on (a new
// population, another diameter): start again rather than grow without end.
constexpr qsizetype kMostBytes = 32 << 20;

// Wider circles, device pixels, are few (the mechanism view's) and drawn in
// place: each would take many sprites of many pixels.
constexpr double kWidestSprite = 64;

std::uint32_t packed(Rgb c) {
    const auto channel = [](int v) { return static_cast<std::uint32_t>(v) & 0xffu; };
    return (channel(c.r) << 16) | (channel(c.g) << 8) | channel(c.b);
}

QColor unpacked(std::uint32_t c) {
    return QColor((c >> 16) & 0xff, (c >> 8) & 0xff, c & 0xff);
}

int steps(double devicePixels) {
    return static_cast<int>(std::lround(devicePixels * AtomSprites::kSteps));
}

// Whole pixels of a position in steps, for negative positions too.
int wholePart(int inSteps) {
    return static_cast<int>(std::floor(static_cast<double>(inSteps) / AtomSprites::kSteps));
}

} // namespace

std::size_t AtomSprites::KeyHash::operator()(const Key& k) const {
    std::uint64_t h = (std::uint64_t{k.fill} << 32) ^ k.border;
    for (const int v : {k.borderWidth, k.width, k.height, k.dx, k.dy, int{k.filled}}) {
        // A multiply-xorshift step: neighbouring sizes and offsets spread apart.
        h = (h ^ static_cast<std::uint32_t>(v)) * 0x9E3779B97F4A7C15ull;
        h ^= h >> 29;
    }
    return static_cast<std::size_t>(h);
}

void AtomSprites::draw(QPainter& device, const AtomShape& s, double scale,
                       double minimumAtomDiameter) {
    const QRectF r = shapeRect(s, minimumAtomDiameter);
    if (std::max(r.width(), r.height()) * scale > kWidestSprite) {
        device.save();
        device.scale(scale, scale);
        device.setRenderHint(QPainter::Antialiasing, true);
        paintShape(device, s, minimumAtomDiameter);
        device.restore();
        return;
    }
    const int x = steps(r.x() * scale), y = steps(r.y() * scale);
    const int left = wholePart(x), top = wholePart(y);
    const Key key{packed(s.fill),
                  packed(s.border),
                  steps(s.borderWidth * scale),
                  steps(r.width() * scale),
                  steps(r.height() * scale),
                  x - left * kSteps,
                  y - top * kSteps,
                  s.filled};
    const QImage& image = sprite(key);
    if (!image.isNull())
        device.drawImage(left, top, image);
}

const QImage& AtomSprites::sprite(const Key& key) {
    if (const auto found = sprites_.find(key); found != sprites_.end())
        return found->second;
    if (bytes_ >= kMostBytes) {
        sprites_.clear();
        bytes_ = 0;
    }
    QImage& image = sprites_[key];
    const double q = kSteps;
    const QRectF outer(key.dx / q, key.dy / q, key.width / q, key.height / q);
    // One pixel more each way than the circle reaches: the anti-aliased rim.
    const QSize size(static_cast<int>(std::ceil(outer.right())) + 1,
                     static_cast<int>(std::ceil(outer.bottom())) + 1);
    if (key.width <= 0 || key.height <= 0)
        return image; // nothing to see, as a shape of no size
    image = QImage(size, QImage::Format_ARGB32_Premultiplied);
    bytes_ += image.sizeInBytes();
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    QPen pen(unpacked(key.border));
    pen.setJoinStyle(Qt::MiterJoin);
    pen.setWidthF(key.borderWidth / q);
    p.setPen(pen);
    p.setBrush(key.filled ? QBrush(unpacked(key.fill)) : QBrush(Qt::NoBrush));
    p.drawEllipse(insideBorder(outer, key.borderWidth / q));
    return image;
}

} // namespace tarvon
