#include "engine/orienta.h"

#include "fakes.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tarvon {
namespace {

constexpr double kDeg = 3.14159265358979 / 180;

class OrientaTest : public ::testing::Test {
protected:
    void aim(float a, double u) {
        rnd.script = {u};
        Orienta(s, rnd, 7, a);
    }
    SimulationState s;
    test::ScriptedRandom rnd;
};

TEST_F(OrientaTest, RightAngleSpansTheWholeBand) {
    for (double u : {0.1, 0.25, 0.5, 0.9}) {
        aim(90, u);
        const double b = 180 * u;
        EXPECT_NEAR(s.Beta[7], b, 1e-4);
        EXPECT_NEAR(s.DirX[7], 0, 1e-6);
        EXPECT_NEAR(s.DirY[7], std::cos(b * kDeg), 1e-6);
        EXPECT_NEAR(s.DirZ[7], std::fabs(std::sin(b * kDeg)), 1e-6);
        EXPECT_EQ(s.Alfa[7], 90);
    }
}

TEST_F(OrientaTest, ZeroAngleHasAnEmptyBandAndUnitDepthCosine) {
    aim(0, 0.73);
    EXPECT_FLOAT_EQ(s.Beta[7], 90);
    EXPECT_FLOAT_EQ(s.DirX[7], 1);
    EXPECT_FLOAT_EQ(s.DirZ[7], 1) << "t is not above 0, so c3 = 1";
}

TEST_F(OrientaTest, ObtuseAngleFoldsTheBand) {
    aim(120, 0);
    EXPECT_NEAR(s.Beta[7], 30, 1e-4); // lo = a - 90
    aim(120, 0.5);
    EXPECT_NEAR(s.Beta[7], 90, 1e-4); // midway to hi = 270 - a = 150
    EXPECT_NEAR(s.DirX[7], -0.5, 1e-6);
}

TEST_F(OrientaTest, CosinesStayRealForEveryAngle) {
    for (int step = 0; step <= 360; ++step) {
        const float a = step * 0.5f;
        const double lo = a <= 90 ? 90 - a : a - 90, hi = a <= 90 ? 90 + a : 270 - a;
        for (double u : {0.0, 0.37, 0.999999}) {
            aim(a, u);
            const double c1 = s.DirX[7], c2 = s.DirY[7];
            EXPECT_GE(s.Beta[7], lo - 1e-4) << a;
            EXPECT_LE(s.Beta[7], hi + 1e-4) << a;
            EXPECT_LE(c1 * c1 + c2 * c2, 1 + 1e-6) << a;
            EXPECT_GE(s.DirZ[7], 0) << a;
        }
    }
    EXPECT_EQ(rnd.draws, 361 * 3) << "one draw per call";
}

} // namespace
} // namespace tarvon
