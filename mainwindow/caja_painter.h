#pragma once

#include "engine/caja_shapes.h"

class QPainter;

namespace tarvon {

// Paints the visible shapes of the box in stacking order. The painter's origin
// is the top-left corner of Caja.
void paintShapes(QPainter& painter, const CajaShapes& shapes);

} // namespace tarvon
