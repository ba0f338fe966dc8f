#include "reactions/llegenda.h"

#include "reactions/feo/feo.h"
#include "reactions/hi/hi.h"

#include <gtest/gtest.h>

namespace tarvon {
namespace {

TEST(Llegenda, PicturesSitBesideTheirCircleAndFollowOnesAfterThePictureBefore) {
    const Legend feo = Llegenda(kFeO.legend, {150, 0, 0, 1.125f});
    const auto places = PlacePictures(feo, 11.25f, [](int index) { return 100.0f * index + 15; });
    ASSERT_EQ(places.size(), 6u);
    const LegendCircle &c2 = feo.circles[1], &c4 = feo.circles[3];
    EXPECT_FLOAT_EQ(c2.top, 1.125f * 9500);
    EXPECT_FLOAT_EQ(places[1].left, c2.left + c2.diameter + 112.5f);
    EXPECT_FLOAT_EQ(places[1].top, c2.top - 112.5f);
    EXPECT_FLOAT_EQ(places[2].left, places[1].left + 215);
    EXPECT_FLOAT_EQ(places[2].top, c2.top);
    EXPECT_FLOAT_EQ(places[5].left, c4.left + c4.diameter + 112.5f + 515);
    // A gas reaction's circles take the diameters of its two atoms.
    const Legend hi = Llegenda(kHI.legend, {150, 99.75f, 27.75f, 1.125f});
    EXPECT_TRUE(hi.circles.at(0).diameter == 199.5f && hi.circles.at(1).diameter == 55.5f);
}

} // namespace
} // namespace tarvon
