#include "layout/panel_growth.h"

#include "layout/layout_extent.h"

#include <algorithm>
#include <string>

namespace tarvon {

namespace {

constexpr float kGrowthStep = 0.05f;
constexpr float kCounterPitch = 400; // twips between counter tops at the reference screen
constexpr float kCounterGap = 20;    // twips between two counters
constexpr float kDescriptionGap = 150;
constexpr float kLeastShare = 0.7f; // how far a text may shrink to fit its box

int CountShown(const std::array<bool, 5>& shown) {
    return static_cast<int>(std::count(shown.begin(), shown.end(), true));
}

// Bottom of the counters on show when they grow by g, stacked from txt0.
float CountersBottom(const PanelInput& in, float g) {
    const int n = CountShown(in.counters);
    const float top = in.layout->at("txt0").Top;
    const float pitch = kCounterPitch * in.factor * g;
    return top + pitch * static_cast<float>(n) - kCounterGap * in.factor * g;
}

float DescriptionTop(const PanelInput& in, float g) {
    if (CountShown(in.counters) == 0)
        return in.description.Top;
    return std::max(in.description.Top, CountersBottom(in, g) + kDescriptionGap * in.factor);
}

// The largest growth that leaves the description its text's height above
// the bottom; 1 when even that does not.
float CounterGrowth(const PanelInput& in) {
    const float need = kDescriptionTextHeight * in.factor;
    for (float g = kProjectorGrowth; g > 1.0f; g -= kGrowthStep)
        if (DescriptionTop(in, g) + need <= in.bottom)
            return g;
    return 1.0f;
}

void PlaceCounters(const PanelInput& in, float g, PanelPlaces& out) {
    const WindowLayout& l = *in.layout;
    // In projector mode they also take the width up to the description's
    // right edge, from the speed bar's right.
    const ControlGeometry& bar = l.at("VScrollVel");
    const float left = in.projector ? bar.Left + bar.Width + 75 * in.factor : l.at("txt0").Left;
    const float right = in.projector ? in.description.Left + in.description.Width
                                     : l.at("txt0").Left + l.at("txt0").Width;
    int row = 0;
    for (int i = 0; i < 5; ++i) {
        ControlGeometry c = l.at("txt" + std::to_string(i));
        if (in.counters[static_cast<std::size_t>(i)]) {
            c.Top = l.at("txt0").Top + kCounterPitch * in.factor * g * static_cast<float>(row++);
            c.Height *= g;
            c.FontSize *= g;
            c.Left = left;
            c.Width = right - left;
        }
        out.counters[static_cast<std::size_t>(i)] = c;
    }
}

} // namespace

PanelPlaces PlacePanel(const PanelInput& in) {
    PanelPlaces out;
    out.counterGrowth = in.projector ? CounterGrowth(in) : 1.0f;
    PlaceCounters(in, out.counterGrowth, out);
    ControlGeometry d = in.description;
    const float base = d.FontSize;
    d.Top = in.projector ? DescriptionTop(in, out.counterGrowth) : d.Top;
    if (in.projector)
        d.Height = std::max(0.0f, in.bottom - d.Top);
    d.FontSize = in.projector ? base * kProjectorGrowth : base;
    out.description = d;
    out.descriptionLeast = base * kLeastShare;
    const float table = in.layout->at("txtDades").FontSize;
    out.tableFontSize = in.projector ? table * kProjectorGrowth : table;
    return out;
}

} // namespace tarvon
