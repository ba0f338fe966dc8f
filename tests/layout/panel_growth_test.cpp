#include "layout/panel_growth.h"

#include "layout/layout_extent.h"

#include <gtest/gtest.h>

namespace tarvon {
namespace {

bool Overlap(const ControlGeometry& a, const ControlGeometry& b) {
    return a.Left < b.Left + b.Width && b.Left < a.Left + a.Width && a.Top < b.Top + b.Height &&
           b.Top < a.Top + a.Height;
}

// A reaction's description under n counters, on a screen whose client area
// shows `bottom` twips at factor f.
PanelInput Input(const WindowLayout& l, float f, int n, float bottom, bool projector) {
    PanelInput in;
    in.layout = &l;
    in.factor = f;
    for (int i = 0; i < n; ++i)
        in.counters[static_cast<std::size_t>(i)] = true;
    in.description = {10400 * f, 7730 * f, 4800 * f, 3400 * f, 13 * f};
    in.bottom = bottom;
    in.projector = projector;
    return in;
}

TEST(PlacePanel, WithoutProjectorEverythingStaysWhereTheLayoutPutsIt) {
    const WindowLayout l = LayoutFor(1.0f, false);
    const PanelPlaces roomy = PlacePanel(Input(l, 1, 4, 20000, false));
    for (int i = 0; i < 5; ++i) {
        const ControlGeometry& c = roomy.counters[static_cast<std::size_t>(i)];
        const ControlGeometry& design = l.at("txt" + std::to_string(i));
        EXPECT_TRUE(c.Left == design.Left && c.Top == design.Top && c.Width == design.Width &&
                    c.Height == design.Height && c.FontSize == design.FontSize)
            << i;
    }
    EXPECT_EQ(roomy.description.Height, 3400);
    EXPECT_EQ(roomy.description.FontSize, 13);
    EXPECT_EQ(roomy.tableFontSize, l.at("txtDades").FontSize);
    const PanelPlaces shortScreen = PlacePanel(Input(l, 1, 4, 700 * 15, false));
    EXPECT_EQ(shortScreen.description.Top, 7730);
    EXPECT_EQ(shortScreen.description.Height, 3400);
}

TEST(PlacePanel, ProjectorGrowsAsFarAsTheDescriptionKeepsItsRoom) {
    const struct {
        float f;
        float bottom; // twips
        int counters;
    } cases[] = {{1.0f, 20000, 3},     {1.0f, 20000, 4},        {1.0f, 727 * 15, 3},
                 {1.0f, 727 * 15, 4},  {0.78125f, 555 * 15, 4}, {1.125f, 980 * 15, 4},
                 {1.47f, 1030 * 15, 4}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "f " << c.f << " bottom " << c.bottom << " counters " << c.counters);
        const WindowLayout l = LayoutFor(c.f, c.f != 1.0f);
        const PanelPlaces p = PlacePanel(Input(l, c.f, c.counters, c.bottom, true));
        EXPECT_GE(p.counterGrowth, 1.0f);
        EXPECT_LE(p.counterGrowth, kProjectorGrowth);
        EXPECT_EQ(p.description.FontSize, 13 * c.f * kProjectorGrowth);
        EXPECT_EQ(p.tableFontSize, l.at("txtDades").FontSize * kProjectorGrowth);
        EXPECT_LE(p.description.Top + p.description.Height, c.bottom);
        if (p.counterGrowth > 1.0f) {
            EXPECT_GE(p.description.Height, kDescriptionTextHeight * c.f);
        }
        for (int i = 0; i < c.counters; ++i) {
            const ControlGeometry& k = p.counters[static_cast<std::size_t>(i)];
            EXPECT_EQ(k.FontSize, l.at("txt0").FontSize * p.counterGrowth);
            EXPECT_FALSE(Overlap(k, p.description)) << "txt" << i;
            for (const char* other : {"VScrollVel", "picCrono", "lblVelocitat", "txtDades"})
                EXPECT_FALSE(Overlap(k, l.at(other))) << "txt" << i << " " << other;
            for (int j = 0; j < i; ++j)
                EXPECT_FALSE(Overlap(k, p.counters[static_cast<std::size_t>(j)])) << i << j;
        }
    }
}

TEST(PlacePanel, RoomyScreensGrowTheWholeWayAndSmallOnesLess) {
    const WindowLayout wide = LayoutFor(1.0f, false);
    EXPECT_EQ(PlacePanel(Input(wide, 1, 4, 20000, true)).counterGrowth, kProjectorGrowth);
    const WindowLayout narrow = LayoutFor(0.78125f, true);
    EXPECT_LT(PlacePanel(Input(narrow, 0.78125f, 4, 555 * 15, true)).counterGrowth,
              kProjectorGrowth);
    // With the counters hidden (the mechanism view) only the description grows.
    const PanelPlaces none = PlacePanel(Input(wide, 1, 0, 727 * 15, true));
    EXPECT_EQ(none.description.Top, 7730);
}

} // namespace
} // namespace tarvon
