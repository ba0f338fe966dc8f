#pragma once

#include "engine/box_geometry.h"

namespace tarvon {

struct ScreenPos {
    float left = 0; // twips in Caja
    float top = 0;
};

// Bounding square of an atom of centre (x, y, z) and radius r whose slot keeps
// the wall margin rho: shifted right and up with depth, DesplY lower at the front.
ScreenPos projectAtom(const BoxGeometry& box, float x, float y, float z, float r, float rho);

// Drawn size of a shape of radius R in a slot at depth posZ: 2R at the front,
// about 93 % of it at the back.
float depthSize(const BoxGeometry& box, float posZ, float R);

} // namespace tarvon
