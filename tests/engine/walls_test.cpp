#include "engine/walls.h"

#include "fakes.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tarvon {
namespace {

class WallsTest : public ::testing::Test {
protected:
    void SetUp() override {
        s.PosX[i] = s.PosY[i] = s.PosZ[i] = 500;
        s.Alfa[i] = 33;
    }
    void step(ReactionHooks* floorHook = nullptr) { WallsAndMotion(s, rnd, i, lim, floorHook); }

    static constexpr int i = 2;
    WallLimits lim{100, 1000, 200, 1100, 50, 950};
    SimulationState s;
    test::ScriptedRandom rnd;
};

TEST_F(WallsTest, SlotOnALimitReversesMovesAndIsReAimedInOneTick) {
    s.PosX[i] = 100;
    s.VelX[i] = -30;
    s.VelY[i] = 5;
    rnd.script = {0.5, 0.25};
    step();
    EXPECT_EQ(s.VelX[i], 30);
    EXPECT_EQ(s.PosX[i], 130);
    EXPECT_EQ(s.PosY[i], 505);
    EXPECT_TRUE(s.Rebot);
    EXPECT_FLOAT_EQ(s.Alfa[i], 90.5f);
    EXPECT_NEAR(s.Beta[i], 45.25, 1e-4); // band 0.5 ... 179.5
    EXPECT_NEAR(s.DirX[i], std::cos(90.5 * 3.14159265358979 / 180), 1e-6);
    EXPECT_EQ(rnd.draws, 2);
}

TEST_F(WallsTest, StillSlotOnALimitIsReAimedEveryTick) {
    s.PosZ[i] = 950;
    for (double u : {0.1, 0.2, 0.3}) {
        rnd.script = {u, 0.5};
        step();
        EXPECT_EQ(s.PosZ[i], 950);
        EXPECT_EQ(s.VelZ[i], 0);
        EXPECT_FLOAT_EQ(s.Alfa[i], static_cast<float>(u * 181));
    }
}

TEST_F(WallsTest, SlotOnBothLimitsIsReversedTwice) {
    lim.xLo = lim.xHi = 500;
    s.VelX[i] = 7;
    step();
    EXPECT_EQ(s.VelX[i], 7);
    EXPECT_EQ(s.PosX[i], 500);
    EXPECT_TRUE(s.Rebot);
}

TEST_F(WallsTest, OvershootIsClampedAndReflectedOnTheNextTick) {
    s.PosX[i] = 990;
    s.VelX[i] = 40;
    s.PosY[i] = 210;
    s.VelY[i] = -40;
    step();
    EXPECT_EQ(s.PosX[i], 1000);
    EXPECT_EQ(s.PosY[i], 200);
    EXPECT_EQ(s.VelX[i], 40);
    EXPECT_FALSE(s.Rebot);
    EXPECT_EQ(s.Alfa[i], 33);
    EXPECT_EQ(rnd.draws, 0);

    step();
    EXPECT_EQ(s.PosX[i], 960);
    EXPECT_EQ(s.PosY[i], 240);
    EXPECT_EQ(rnd.draws, 2);
}

TEST_F(WallsTest, IronFloorCallsTheReactionInsteadOfReflecting) {
    test::RecordingHooks hooks;
    s.PosY[i] = 1100;
    s.VelY[i] = 25;
    step(&hooks);
    EXPECT_EQ(hooks.reaccions, std::vector<int>{i});
    EXPECT_EQ(s.VelY[i], 25);
    EXPECT_EQ(s.PosY[i], 1100);

    hooks.onReaccio = [](SimulationState& st, int k) { st.VelY[k] = -st.VelY[k]; };
    step(&hooks); // the reaction chose to bounce: the move uses its velocity
    EXPECT_EQ(s.PosY[i], 1075);
    EXPECT_EQ(hooks.reaccions.size(), 2u);

    s.PosY[i] = 1100;
    s.VelY[i] = 25;
    step(); // any other reaction reflects off the floor
    EXPECT_EQ(s.VelY[i], -25);
    EXPECT_EQ(s.PosY[i], 1075);
}

TEST(SlotMargins, FollowTheReaction) {
    SimulationState s;
    test::setBox(s);
    s.RadiA[0] = 60;
    s.PasOxid = 100;
    const WallLimits feo = wallLimits(s, slotMargins(s, Reaction::FeO, 4));
    EXPECT_FLOAT_EQ(feo.xLo, 100 + 120);
    EXPECT_FLOAT_EQ(feo.xHi, 100 + 3000 - 240);
    EXPECT_FLOAT_EQ(feo.yLo, 200 + 240);
    EXPECT_FLOAT_EQ(feo.yHi, 200 + 3000 - (60 + 70)); // r + 0.7 PasOxid above the iron
    EXPECT_FLOAT_EQ(feo.zLo, 120);
    EXPECT_FLOAT_EQ(feo.zHi, 3000 - 120);

    s.RadiA[4] = 90;
    s.RadiB[4] = 30;
    s.MidaMol[4] = 75;
    const WallLimits hi = wallLimits(s, slotMargins(s, Reaction::HI, 4));
    EXPECT_FLOAT_EQ(hi.xLo, 100 + 120);
    EXPECT_FLOAT_EQ(hi.yHi, 200 + 3000 - 120);
    EXPECT_FLOAT_EQ(hi.zHi, 3000 - 120);
    for (Reaction r : {Reaction::NH3, Reaction::HgO}) {
        const SlotMargins m = slotMargins(s, r, 4);
        for (float v : {m.left, m.right, m.top, m.bottom, m.depth})
            EXPECT_EQ(v, 75);
    }
}

} // namespace
} // namespace tarvon
