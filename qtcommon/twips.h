#pragma once

#include <QRect>
#include <QRectF>

namespace tarvon {

// Positions stay in twips in the core; only the view converts them.
inline constexpr double kTwipsPerPixel = 15.0;

inline QRectF twipsToPixelsF(double left, double top, double width, double height) {
    return {left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel,
            height / kTwipsPerPixel};
}

inline QRect twipsToPixels(double left, double top, double width, double height) {
    return twipsToPixelsF(left, top, width, height).toRect();
}

} // namespace tarvon
