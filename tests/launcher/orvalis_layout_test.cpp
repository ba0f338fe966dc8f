#include "launcher/orvalis_layout.h"

#include <gtest/gtest.h>

namespace tarvon {
namespace {

TEST(OrvalisLayout, OtherScreensScaleEverythingButTheMenuPicture) {
    const OrvalisLayout base = OrvalisLayoutFor({1.0f, false});
    EXPECT_EQ(base.Caja.left, 6000 + 8600 - 3400); // the box ends where the menu panel ends
    EXPECT_EQ(base.box.lower[0], -1000);

    const float f = 0.78125f;
    const OrvalisLayout small = OrvalisLayoutFor({f, true});
    EXPECT_FLOAT_EQ(small.lblSubtitol.fontPoints, 25);
    EXPECT_FLOAT_EQ(small.cmdRecom.left, 6850 * f);
    EXPECT_EQ(small.picMenu.left, 6050);
    EXPECT_EQ(small.picMenu.height, 4700);
    EXPECT_FLOAT_EQ(small.box.upper[0], 5000 * f - 312.5f);
    EXPECT_FLOAT_EQ(small.box.lower[0], -1000 * f);

    const OrvalisLayout large = OrvalisLayoutFor({1.125f, true});
    EXPECT_EQ(large.picMenu.height, 5000); // taller panel, not rescaled
    EXPECT_FLOAT_EQ(large.shpMenu.height, 5300 * 1.125f);
}

} // namespace
} // namespace tarvon
