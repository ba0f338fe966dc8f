#include "window/help_text.h"
#include "window/side_window_place.h"

#include <gtest/gtest.h>

namespace tarvon {
namespace {

TEST(SideWindowPlace, WhereTheHelpGoesKeptOnTheScreen) {
    const TwipRect wide{0, 0, 28800, 16200}; // 1920 x 1080 pixels
    TwipRect r = SideWindowPlace(1.0f, 9600, 8400, wide);
    const AjudaPlacement help = PlacementAjuda(1.0f);
    EXPECT_FLOAT_EQ(r.Left, help.Left);
    EXPECT_FLOAT_EQ(r.Top, help.Top);
    EXPECT_FLOAT_EQ(r.Width, 9600);

    // 1024 x 768: moved left so that it ends at the screen's edge.
    r = SideWindowPlace(0.78125f, 9600, 8400, {0, 0, 15360, 11520});
    EXPECT_FLOAT_EQ(r.Width, 7500);
    EXPECT_FLOAT_EQ(r.Left + r.Width, 15360);
    EXPECT_FLOAT_EQ(r.Top, 460 * 0.78125f);

    // Larger than the screen: shrunk to it, at its corner.
    r = SideWindowPlace(1.0f, 20000, 20000, {100, 50, 15000, 11000});
    EXPECT_FLOAT_EQ(r.Left, 100);
    EXPECT_FLOAT_EQ(r.Top, 50);
    EXPECT_FLOAT_EQ(r.Width, 15000);
    EXPECT_FLOAT_EQ(r.Height, 11000);
}

} // namespace
} // namespace tarvon
