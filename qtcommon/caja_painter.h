#pragma once

#include "engine/caja_shapes.h"

#include <vector>

class QPainter;

namespace tarvon {

// Paints shapes given back to front, each one anti-aliased in turn. The
// painter's origin is the top-left corner of the picture box they lie in, in
// device-independent pixels. Circles narrower than `minimumAtomDiameter`
// pixels are drawn that wide about their centre.
void paintShapes(QPainter& painter, const std::vector<const AtomShape*>& backToFront,
                 double minimumAtomDiameter = 0);

// Paints the visible shapes of the box in stacking order.
void paintShapes(QPainter& painter, const CajaShapes& shapes, double minimumAtomDiameter = 0);

// Paints one shape as paintShapes does.
void paintShape(QPainter& painter, const AtomShape& s, double minimumAtomDiameter);

} // namespace tarvon
