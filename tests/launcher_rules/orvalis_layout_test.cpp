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

TEST(FitPanelToPicture, ShrinksToASmallerPictureAndKeepsTheButtonInItsCorner) {
    const OrvalisLayout l = OrvalisLayoutFor({1.65f, true, true});
    for (const auto& [place, close] :
         {std::pair{l.picSobre, l.cmdSobre}, {l.picRecom, l.cmdRecom}}) {
        TwipsRect panel = place, button = close;
        FitPanelToPicture(panel, button, place.width / 1.5f, place.height / 1.4f);
        EXPECT_FLOAT_EQ(panel.width, place.width / 1.5f);
        EXPECT_FLOAT_EQ(panel.height, place.height / 1.4f);
        EXPECT_FLOAT_EQ(panel.left, place.left);
        EXPECT_FLOAT_EQ(panel.right() - button.right(), place.right() - close.right());
        EXPECT_FLOAT_EQ(panel.top + panel.height - button.top - button.height,
                        place.top + place.height - close.top - close.height);
        EXPECT_FLOAT_EQ(button.width, close.width);
        EXPECT_GE(button.left, panel.left);
        EXPECT_GE(button.top, panel.top);
        // A larger picture, or none, leaves the place as it is: nothing is scaled up.
        for (const float side : {0.0f, 2 * place.width}) {
            TwipsRect same = place, sameButton = close;
            FitPanelToPicture(same, sameButton, side, 2 * place.height);
            EXPECT_FLOAT_EQ(same.width, place.width);
            EXPECT_FLOAT_EQ(same.height, place.height);
            EXPECT_FLOAT_EQ(sameButton.left, close.left);
        }
    }
}

// Pictures are never scaled up: a factor between two classes' takes the
// smaller class's picture.
TEST(OrvalisLayout, PictureVariantIsTheLargestClassAtOrBelowTheFactor) {
    const struct {
        float f;
        bool canvi;
        const char* sobre;
    } cases[] = {
        {0.78125f, true, "SobreAquestTreball800.jpg"}, {0.9f, true, "SobreAquestTreball800.jpg"},
        {1.0f, false, "SobreAquestTreball.jpg"},       {1.07f, true, "SobreAquestTreball.jpg"},
        {1.125f, true, "SobreAquestTreball1152.jpg"},  {1.65f, true, "SobreAquestTreball1152.jpg"}};
    for (const auto& c : cases) {
        const OrvalisLayout l = OrvalisLayoutFor({c.f, c.canvi});
        EXPECT_EQ(l.picSobreFile, c.sobre) << c.f;
        EXPECT_EQ(l.picRecomFile.substr(0, 8), "Recomana") << c.f;
        EXPECT_EQ(l.picRecomFile.substr(8), l.picSobreFile.substr(18)) << c.f;
    }
}

} // namespace
} // namespace tarvon
