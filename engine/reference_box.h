#pragma once

#include "engine/box_geometry.h"

namespace tarvon {

// The box of the reference screen with 12 particles per side and a bond of
// 200 twips: a fixed box for tests and benchmarks.
void SetReferenceBox(BoxGeometry& g);

} // namespace tarvon
