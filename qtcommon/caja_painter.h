#pragma once

#include "engine/caja_shapes.h"

#include <vector>

class QPainter;

namespace tarvon {

// Paints shapes given back to front. The painter's origin is the top-left
// corner of the picture box they lie in.
void paintShapes(QPainter& painter, const std::vector<const AtomShape*>& backToFront);

// Paints the visible shapes of the box in stacking order.
void paintShapes(QPainter& painter, const CajaShapes& shapes);

} // namespace tarvon
