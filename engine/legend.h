#pragma once

#include "engine/rgb.h"

#include <string>
#include <vector>

namespace tarvon {

// A CercleAux circle of the legend under the box, twips.
struct LegendCircle {
    int index = 0; // 1 to 5
    float left = 0, top = 0, diameter = 0;
    Rgb fill, border;
    int borderWidth = 1;
};

// A picIo picture of the legend: beside its circle, or after another picture.
struct LegendPicture {
    int index = 0; // 1 to 6
    std::string file;
    int circle = 0;  // the circle it belongs to
    int follows = 0; // the picture it follows, 0 when it stands beside the circle
};

// The legend of the current reaction, laid out for one screen factor. The
// window sets FactorPantalla once; each population rewrites the items.
struct Legend {
    float FactorPantalla = 1.0f;
    std::vector<LegendCircle> circles;
    std::vector<LegendPicture> pictures;
};

} // namespace tarvon
