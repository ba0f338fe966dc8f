#pragma once

#include "startup/screen_fit.h"

#include <string>
#include <vector>

namespace tarvon {

// A rectangle of the main window, twips from the client area's top left.
struct NamedRect {
    std::string name;
    double left = 0, top = 0, width = 0, height = 0;
    double right() const { return left + width; }
    double bottom() const { return top + height; }
};

// Height the longest reaction description needs at the reference screen's
// font (13 pt), twips; the description's label is taller than its text.
inline constexpr float kDescriptionTextHeight = 2700;

// Everything the main window shows at factor f: the controls, the box at the
// largest size the settings allow, the legend and the panels, each at every
// place it can take.
std::vector<NamedRect> TarvonLayoutRects(float f);

// The bounding extent of those rectangles.
Extent TarvonLayoutExtent(float f);

} // namespace tarvon
