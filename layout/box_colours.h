#pragma once

#include "engine/ccubo.h"

#include <array>

namespace tarvon {

// The background colour table: light yellow, purple, pale green, mint.
using ColorsFonsTable = std::array<Rgb, 4>;
inline constexpr ColorsFonsTable kColorsFons{
    {{255, 255, 200}, {150, 0, 255}, {225, 255, 200}, {170, 255, 185}}};

// Colours of the cube in the normal view: purple edges, faces in the first
// background colour. The table's third and fourth entries take the first, as
// the normal view leaves them for the rest of the session.
CubeColours NormalViewColours(ColorsFonsTable& ColorsFons);

} // namespace tarvon
