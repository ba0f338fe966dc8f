#include "layout/box_colours.h"

namespace tarvon {

CubeColours NormalViewColours(ColorsFonsTable& ColorsFons) {
    ColorsFons[2] = ColorsFons[0];
    ColorsFons[3] = ColorsFons[0];
    return {ColorsFons[1], ColorsFons[1], ColorsFons[0],
            ColorsFons[0], ColorsFons[2], ColorsFons[0]};
}

} // namespace tarvon
