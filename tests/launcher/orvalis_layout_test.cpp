#include "launcher/orvalis_layout.h"

#include <gtest/gtest.h>

namespace tarvon {
namespace {

TEST(OrvalisLayout, The1024PixelScreenKeepsTheDrawnLayoutAndBasePictures) {
    const OrvalisLayout l = OrvalisLayoutFor({1.0f, false});
    EXPECT_EQ(l.picSobreFile, "SobreAquestTreball.jpg");
    EXPECT_EQ(l.picRecomFile, "Recomana.jpg");
    // The box ends where the menu panel ends.
    EXPECT_EQ(l.Caja.left, 6000 + 8600 - 3400);
    EXPECT_EQ(l.Caja.top, 400);
    EXPECT_EQ(l.picMenu.height, 4700);
    EXPECT_EQ(l.shpMenu.height, 5000);
    EXPECT_EQ(l.box.diameter, 400);
    EXPECT_EQ(l.box.upper[2], 4600);
    EXPECT_EQ(l.box.lower[0], -1000);
}

TEST(OrvalisLayout, OtherScreensScaleEverythingButTheMenuPicture) {
    const float f = 0.78125f;
    const OrvalisLayout small = OrvalisLayoutFor({f, true});
    EXPECT_EQ(small.picSobreFile, "SobreAquestTreball800.jpg");
    EXPECT_EQ(small.picRecomFile, "Recomana800.jpg");
    EXPECT_FLOAT_EQ(small.Caja.left, (6000 + 8600 - 3400) * f);
    EXPECT_FLOAT_EQ(small.Caja.top, 400 * f);
    EXPECT_FLOAT_EQ(small.lblSubtitol.fontPoints, 25);
    EXPECT_FLOAT_EQ(small.cmdRecom.left, 6850 * f);
    EXPECT_EQ(small.picMenu.left, 6050);
    EXPECT_EQ(small.picMenu.height, 4700);
    EXPECT_FLOAT_EQ(small.box.diameter, 312.5f);
    EXPECT_FLOAT_EQ(small.box.upper[0], 5000 * f - 312.5f);

    const OrvalisLayout large = OrvalisLayoutFor({1.125f, true});
    EXPECT_EQ(large.picSobreFile, "SobreAquestTreball1152.jpg");
    EXPECT_EQ(large.picRecomFile, "Recomana1152.jpg");
    EXPECT_EQ(large.picMenu.height, 5000); // taller panel, not rescaled
    EXPECT_FLOAT_EQ(large.shpMenu.height, 5300 * 1.125f);
    EXPECT_FLOAT_EQ(large.Caja.left, (6000 + 8600 - 3400) * 1.125f);
}

} // namespace
} // namespace tarvon
