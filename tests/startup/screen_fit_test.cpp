#include "startup/screen_fit.h"

#include <gtest/gtest.h>

namespace tarvon {
namespace {

// A layout that grows in proportion, as most do.
LayoutExtentAt Proportional(double width, double height) {
    return [=](float f) { return Extent{width * f, height * f}; };
}

bool FitsAt(Extent area, const LayoutExtentAt& at, float f) {
    const Extent e = at(f);
    return e.width <= area.width && e.height <= area.height;
}

TEST(LargestFittingFactor, IsTheLastStepThatFitsInEitherDirection) {
    const auto layout = Proportional(15000, 10000);
    for (const Extent area :
         {Extent{19200, 10000}, Extent{28800, 15400}, Extent{9000, 20000}, Extent{30000, 30000}}) {
        const float f = LargestFittingFactor(area, layout);
        EXPECT_TRUE(FitsAt(area, layout, f)) << area.width << "x" << area.height;
        EXPECT_FALSE(FitsAt(area, layout, f + 1.0f / 256)) << area.width << "x" << area.height;
    }
}

TEST(LargestFittingFactor, FollowsALayoutThatIsNotProportional) {
    // Below 1 the layout gets a wider base of its own.
    const LayoutExtentAt layout = [](float f) {
        return Extent{(f < 1 ? 16000.0 : 15000.0) * f, 10000.0 * f};
    };
    const Extent area{15500, 20000};
    const float f = LargestFittingFactor(area, layout);
    EXPECT_TRUE(FitsAt(area, layout, f));
    EXPECT_FALSE(FitsAt(area, layout, f + 1.0f / 256));
    EXPECT_LT(f, 1.0f);
}

TEST(FitScreen, KeepsTheClassWhileItFitsAndLargerIsNotWorthIt) {
    const auto layout = Proportional(15200, 10400);
    struct Case {
        Extent area;
        bool fitted;
    } cases[] = {
        {{15360, 10900}, false}, // the class fits
        {{19200, 14800}, false}, // a little room to spare: the class stays
        {{19200, 10000}, true},  // the class is cut off at the bottom
        {{28800, 15400}, true},  // room for a layout 1.25 times the class
        {{11520, 14000}, true},  // portrait: too narrow for its own class
    };
    for (const Case& c : cases) {
        const ScreenClass byWidth = ClassifyScreen(c.area.width);
        const ScreenClass s = FitScreen(c.area, layout);
        EXPECT_EQ(s.fitted, c.fitted) << c.area.width << "x" << c.area.height;
        if (c.fitted) {
            EXPECT_EQ(s.FactorPantalla, LargestFittingFactor(c.area, layout));
            EXPECT_TRUE(s.CanviPantalla);
        } else {
            EXPECT_EQ(s.FactorPantalla, byWidth.FactorPantalla);
            EXPECT_EQ(s.CanviPantalla, byWidth.CanviPantalla);
        }
        EXPECT_TRUE(FitsAt(c.area, layout, s.FactorPantalla)) << c.area.width;
    }
}

TEST(FitScreen, SwitchesToTheFittedFactorAtOneAndAQuarterTimesTheClass) {
    const auto layout = Proportional(10000, 10000);
    // Class 1.125: a fitted factor just below 1.40625 keeps the class.
    const double below = 10000 * (1.25 * 1.125 - 1.0 / 256);
    EXPECT_FALSE(FitScreen({30000, below}, layout).fitted);
    const ScreenClass at = FitScreen({30000, 10000 * 1.25 * 1.125}, layout);
    EXPECT_TRUE(at.fitted);
    EXPECT_EQ(at.FactorPantalla, 1.25f * 1.125f);
}

} // namespace
} // namespace tarvon
