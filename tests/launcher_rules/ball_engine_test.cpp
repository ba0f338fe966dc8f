#include "engine/fakes.h"
#include "launcher_rules/ball_engine.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace tarvon {
namespace {

using test::ScriptedRandom;

// Two calibration balls whose positions and velocities the test then sets.
struct TwoBalls : ::testing::Test {
    BallEngine balls{CalibrationBox()};
    ScriptedRandom rnd;

    TwoBalls() { balls.CrearBoles(rnd, 2); }
    void set(int i, float x, float y, float z, float vx, float vy = 0, float vz = 0) {
        balls.X[i] = x, balls.Y[i] = y, balls.Z[i] = z;
        balls.VX[i] = vx, balls.VY[i] = vy, balls.VZ[i] = vz;
    }
};

// Only balls at a distance above zero and up to one diameter collide.
TEST_F(TwoBalls, TouchingBallsExchangeVelocitiesRoundedHalfToEven) {
    set(0, 1000, 1000, 1000, 10, 20, 30);
    set(1, 1128, 1000, 1000, 2.5f, 3.5f, -2.5f); // d = 0.5
    balls.XocsBola(0);
    EXPECT_EQ((std::vector<float>{balls.VX[0], balls.VY[0], balls.VZ[0], balls.VZ[1]}),
              (std::vector<float>{2, 4, -2, 30}));
    EXPECT_FLOAT_EQ(balls.X[0], 1128 - 256); // one diameter from ball 1
    EXPECT_FLOAT_EQ(balls.Y[0], 1000);
    for (const auto& [y1, collides] : {std::pair{1000, false}, {1257, false}, {1256, true}}) {
        set(0, 1000, 1000, 1000, 10.5f);
        set(1, 1000, y1, 1000, 2.5f);
        balls.XocsBola(0);
        EXPECT_EQ(balls.VX[0], collides ? 2 : 10.5f) << y1;
    }
}

TEST_F(TwoBalls, WallsReverseBeforeMovingAndClampBetween0And5744) {
    set(0, 5700, 20, 0, 100, -50, -30);
    set(1, 3000, 3000, 3000, 0);
    balls.step();
    EXPECT_EQ((std::vector<float>{balls.X[0], balls.Y[0], balls.Z[0]}),
              (std::vector<float>{5744, 0, 30}));
    balls.step();
    EXPECT_EQ((std::vector<float>{balls.X[0], balls.Y[0]}), (std::vector<float>{5644, 50}));
}

TEST_F(TwoBalls, BackFaceIsDrawnUpAndToTheRight) {
    set(0, 1000, 2000, 0, 0);
    set(1, 1000, 2000, 5744, 0);
    balls.project(0);
    balls.project(1);
    EXPECT_FLOAT_EQ(balls.Cercle[0].left, 1000);
    EXPECT_FLOAT_EQ(balls.Cercle[0].top, 3500);
    EXPECT_NEAR(balls.Cercle[1].left, 2500, 0.01);
    EXPECT_NEAR(balls.Cercle[1].top, 2000, 0.01);
}

TEST(CrearBoles, PlacesUpToNineTimesAndShowsExactlyTheNewBalls) {
    BallEngine balls{CalibrationBox()};
    ScriptedRandom rnd;
    // Ball 0, then ball 1 on top of it once and clear at the second try.
    rnd.script = {0.5, 0.5, 0.5, 0.5, 0.5, 0.0, 0.5, 0.5, 0.5, 0.1, 0.1, 0.9999, 0.5, 0.5, 0.0};
    balls.CrearBoles(rnd, 2);
    EXPECT_EQ(balls.X[1], 574);
    EXPECT_EQ(balls.Z[1], 5742); // the factor is 5743: never beyond the wall
    EXPECT_EQ(rnd.draws, 15);

    rnd.draws = 0; // from now on every placement lands on ball 0
    balls.CrearBoles(rnd, 2);
    EXPECT_EQ(rnd.draws, 3 + 3 + 9 * 3 + 3);

    balls.CrearBoles(rnd, 60);
    balls.CrearBoles(rnd, 50);
    EXPECT_TRUE(balls.Cercle[49].visible);
    EXPECT_FALSE(balls.Cercle[50].visible);
    EXPECT_THROW(balls.CrearBoles(rnd, 401), IndexOutOfRange);
}

TEST(CrearBoles, DirectionCosinesGoToTheAxesInTheDrawnOrder) {
    BallEngine balls{CalibrationBox()};
    ScriptedRandom rnd;
    // alpha 0: c1 = 1, beta 90: c2 = 0, q = 0 so c3 = 1; k = 4 puts c2, c3, c1.
    rnd.script = {0.5, 0.5, 0.5, 0.0, 0.3, 0.5};
    balls.CrearBoles(rnd, 1);
    EXPECT_NEAR(balls.VX[0], 0, 1e-3);
    EXPECT_EQ(balls.VY[0], 256);
    EXPECT_EQ(balls.VZ[0], 256);
}

TEST(LauncherBalls, OverlappingShapesPutTheNearerBallInFront) {
    BallEngine balls{LauncherBox(1.0f)};
    ScriptedRandom rnd;
    balls.CrearBoles(rnd, 3);
    auto place = [&](int i, float x, float y, float z) {
        balls.X[i] = x, balls.Y[i] = y, balls.Z[i] = z;
        balls.project(i);
    };
    place(0, 1000, 1000, 4600);                          // far: drawn at (2000, 1000)
    place(1, 1900, 100, 0);                              // near: drawn at (1900, 1100), over ball 0
    place(2, 4000, 4000, 0);                             // apart
    EXPECT_NEAR(balls.Cercle[0].width, 400 * 0.8, 1e-3); // a fifth smaller at the back
    const long long apartKey = balls.Cercle[2].stackKey;
    balls.restackByDepth();
    EXPECT_LT(balls.Cercle[0].stackKey, balls.Cercle[1].stackKey);
    EXPECT_EQ(balls.Cercle[2].stackKey, apartKey);
    place(0, 1900, 100, 0);
    place(1, 1000, 1000, 4600);
    balls.restackByDepth();
    EXPECT_GT(balls.Cercle[0].stackKey, balls.Cercle[1].stackKey);
}

} // namespace
} // namespace tarvon
