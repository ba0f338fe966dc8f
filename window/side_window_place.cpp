#include "window/side_window_place.h"

#include "window/help_text.h"

#include <algorithm>

namespace tarvon {

namespace {

// One axis: the wanted start and length, kept inside [low, low + room].
void Fit(float& start, float& length, float low, float room) {
    length = std::min(length, room);
    start = std::clamp(start, low, low + room - length);
}

} // namespace

TwipRect SideWindowPlace(float s, float width, float height, const TwipRect& screen) {
    const AjudaPlacement help = PlacementAjuda(s);
    TwipRect r{help.Left, help.Top, width * s, height * s};
    Fit(r.Left, r.Width, screen.Left, screen.Width);
    Fit(r.Top, r.Height, screen.Top, screen.Height);
    return r;
}

} // namespace tarvon
