#include "engine/projection.h"

#include "fakes.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tarvon {
namespace {

TEST(Projection, FrontIsDrawnDesplYLowerBackIsShiftedRightAndShrunk) {
    BoxGeometry box;
    test::setBox(box);
    const ScreenPos front = projectAtom(box, 1200, 900, 0, 80, 160);
    EXPECT_FLOAT_EQ(front.left, 1200 - 80);
    EXPECT_FLOAT_EQ(front.top, 900 - 80 + box.DesplY);
    const ScreenPos back = projectAtom(box, 1200, 900, 3000 - 160, 80, 160);
    EXPECT_NEAR(back.left, 1200 - 80 + 400 * std::cos(box.AnglePersp), 1e-2);
    EXPECT_NEAR(back.top, 900 - 80, 1e-2);
    EXPECT_FLOAT_EQ(depthSize(box, 0, 100), 200);
    EXPECT_NEAR(depthSize(box, 3000 - 200, 100), 0.93 * 200, 1e-3);
}

} // namespace
} // namespace tarvon
