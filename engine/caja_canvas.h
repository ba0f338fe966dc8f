#pragma once

#include "engine/rgb.h"

namespace tarvon {

// A point of the box picture, in twips from its top-left corner.
struct TwipPoint {
    float x = 0;
    float y = 0;
};

enum class LineStyle { Solid, InsideSolid };

// The persistent picture of Caja, as the box drawing sees it: lines and flood
// fills that stay until the picture is cleared. Line widths are in pixels.
class CajaCanvas {
public:
    virtual ~CajaCanvas() = default;
    virtual void line(TwipPoint from, TwipPoint to, Rgb colour, int width, LineStyle style) = 0;
    // Fills the connected region that has the colour of the seed's pixel.
    virtual void floodFill(TwipPoint seed, Rgb colour) = 0;
};

} // namespace tarvon
