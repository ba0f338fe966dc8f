#pragma once

#include <QImage>
#include <QRectF>

namespace assets {

// The picture's own pixels: the image may hold more device pixels for each,
// when the window shows it larger or on a high-density screen.
inline QRectF pictureArea(const QImage& image) {
    return {QPointF(0, 0), image.deviceIndependentSize()};
}

} // namespace assets
