#include "engine/projection.h"

#include "fakes.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tarvon {
namespace {

class ProjectionTest : public ::testing::Test {
protected:
    void SetUp() override { test::setBox(box); }
    BoxGeometry box;
};

TEST_F(ProjectionTest, FrontIsDrawnDesplYLowerAndBackIsShiftedRight) {
    const ScreenPos front = projectAtom(box, 1200, 900, 0, 80, 160);
    EXPECT_FLOAT_EQ(front.left, 1200 - 80);
    EXPECT_FLOAT_EQ(front.top, 900 - 80 + box.DesplY);

    const ScreenPos back = projectAtom(box, 1200, 900, 3000 - 160, 80, 160);
    EXPECT_NEAR(back.left, 1200 - 80 + 400 * std::cos(box.AnglePersp), 1e-2);
    EXPECT_NEAR(back.top, 900 - 80, 1e-2);

    const ScreenPos mid = projectAtom(box, 1200, 900, (3000 - 160) / 2.0f, 80, 160);
    EXPECT_NEAR(mid.left - front.left, (back.left - front.left) / 2, 1e-2);
}

TEST_F(ProjectionTest, DepthShrinksToAbout93Percent) {
    const float R = 100;
    EXPECT_FLOAT_EQ(depthSize(box, 0, R), 2 * R);
    EXPECT_NEAR(depthSize(box, 3000 - 2 * R, R), 0.93 * 2 * R, 1e-3);
    EXPECT_NEAR(depthSize(box, (3000 - 2 * R) / 2, R), 0.965 * 2 * R, 1e-3);
}

} // namespace
} // namespace tarvon
