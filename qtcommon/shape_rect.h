#pragma once

#include "engine/atom_shape.h"

#include <QColor>
#include <QRectF>

namespace tarvon {

inline QColor toColor(const Rgb& c) {
    return QColor(c.r, c.g, c.b);
}

// The square a shape is drawn in, in device-independent pixels. A circle
// narrower than `minimumDiameter` pixels is drawn that wide about the same
// centre; the model's shape is unchanged.
QRectF shapeRect(const AtomShape& s, double minimumDiameter);

// The rectangle a border of `penWidth` is stroked on: the border lies inside
// the shape's square, as on a shape control.
inline QRectF insideBorder(const QRectF& outer, double penWidth) {
    const double half = penWidth / 2.0;
    return outer.adjusted(half, half, -half, -half);
}

} // namespace tarvon
