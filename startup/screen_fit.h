#pragma once

#include "startup/screen_class.h"

#include <functional>

namespace tarvon {

// A width and a height in twips.
struct Extent {
    double width = 0;
    double height = 0;
};

// What a program's whole layout takes at a given factor, from the client
// area's top left corner, twips.
using LayoutExtentAt = std::function<Extent(float factor)>;

// The largest factor, to 1/256, at which the layout fits the area; the
// smallest one tried when nothing fits.
float LargestFittingFactor(Extent area, const LayoutExtentAt& layoutAt);

// The width class, unless its layout does not fit the area or the area would
// take a layout at least 1.25 times as large: then the largest fitting factor,
// with `fitted` set so that the window centres its layout.
ScreenClass FitScreen(Extent area, const LayoutExtentAt& layoutAt);

} // namespace tarvon
