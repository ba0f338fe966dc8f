#include "launcher_rules/orvalis_layout.h"

#include <gtest/gtest.h>

namespace tarvon {
namespace {

constexpr double kTwips = 15;
constexpr double kChrome = 45; // title bar and menu bar, logical pixels

Extent ClientArea(int width, int height) {
    return {width * kTwips, (height - kChrome) * kTwips};
}

TEST(OrvalisScreenFit, FourThreeClassesStayAndSixteenNineScreensFit) {
    const struct {
        int width, height;
        bool keepsClass;
    } cases[] = {{800, 600, true},   {1024, 768, true},   {1280, 1024, true},
                 {1280, 720, false}, {1920, 1080, false}, {1366, 768, true}};
    for (const auto& c : cases) {
        const Extent area = ClientArea(c.width, c.height);
        const ScreenClass s = FitScreen(area, OrvalisLayoutExtent);
        EXPECT_EQ(!s.fitted, c.keepsClass) << c.width << "x" << c.height;
        const Extent e = OrvalisLayoutExtent(s.FactorPantalla);
        EXPECT_LE(e.width, area.width) << c.width << "x" << c.height;
        EXPECT_LE(e.height, area.height) << c.width << "x" << c.height;
    }
}

TEST(OrvalisScreenFit, TheExtentFollowsTheScaledLayout) {
    const OrvalisLayout wide = OrvalisLayoutFor({1.125f, true});
    const Extent e = OrvalisLayoutExtent(1.125f);
    EXPECT_GE(e.width, wide.shpMenu.right());
    EXPECT_GE(e.height, wide.picRecom.top + wide.picRecom.height);
    EXPECT_GT(OrvalisLayoutExtent(1.5f).height, e.height);
}

} // namespace
} // namespace tarvon
