#pragma once

#include "layout/window_layout.h"

#include <array>

namespace tarvon {

// Texts grow by up to this much in projector mode.
inline constexpr float kProjectorGrowth = 1.5f;

// What the right-hand panel is placed from. Twips from the layout's top left.
struct PanelInput {
    const WindowLayout* layout = nullptr;
    float factor = 1.0f;            // the layout's screen factor
    std::array<bool, 5> counters{}; // txt0 to txt4 on show
    ControlGeometry description;    // where the description goes
    float bottom = 0;               // the lowest twip the client area shows
    bool projector = false;
};

struct PanelPlaces {
    std::array<ControlGeometry, 5> counters; // with their font size
    float counterGrowth = 1.0f;
    ControlGeometry description; // FontSize: the largest the text may take
    float descriptionLeast = 0;  // points: the smallest its text may shrink to
    float tableFontSize = 0;     // the largest the data table's font may take
};

// The counters, the description and the data table's font. Without projector
// mode they stay where the layout and the commands put them. In projector mode
// the counters grow as far as the description keeps room for its text below
// them, and the description re-flows under them down to `bottom`, where its
// text may grow as far as it fits.
PanelPlaces PlacePanel(const PanelInput& in);

} // namespace tarvon
