#include "engine/walls.h"

#include "fakes.h"

#include <gtest/gtest.h>

namespace tarvon {
namespace {

class WallsTest : public ::testing::Test {
protected:
    void SetUp() override { s.PosX[i] = s.PosY[i] = s.PosZ[i] = 500; }
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
    EXPECT_FLOAT_EQ(s.Alfa[i], 90.5f);
    EXPECT_NEAR(s.Beta[i], 45.25, 1e-4); // band 0.5 ... 179.5

    // A still slot on a limit stays there and is re-aimed every tick.
    s.PosZ[i] = 950;
    rnd.script = {0.1, 0.5};
    step();
    EXPECT_EQ(s.PosZ[i], 950);
    EXPECT_FLOAT_EQ(s.Alfa[i], 18.1f);
}

TEST_F(WallsTest, OvershootIsClampedAndReflectedOnTheNextTick) {
    s.PosX[i] = 990;
    s.VelX[i] = 40;
    s.PosY[i] = 210;
    s.VelY[i] = -40;
    step();
    EXPECT_EQ(s.PosX[i], 1000);
    EXPECT_EQ(s.PosY[i], 200);
    EXPECT_EQ(rnd.draws, 0);
    step();
    EXPECT_EQ(s.PosX[i], 960);
    EXPECT_EQ(s.PosY[i], 240);
    EXPECT_EQ(rnd.draws, 2);

    lim.zLo = lim.zHi = 500; // on both limits: reversed twice
    s.VelZ[i] = 7;
    step();
    EXPECT_EQ(s.VelZ[i], 7);
    EXPECT_TRUE(s.Rebot);
}

TEST_F(WallsTest, IronFloorCallsTheReactionInsteadOfReflecting) {
    test::RecordingHooks hooks;
    s.PosY[i] = 1100;
    s.VelY[i] = 25;
    hooks.onReaccio = [](SimulationState& st, int k) { st.VelY[k] = -st.VelY[k]; };
    step(&hooks); // the reaction chose to bounce: the move uses its velocity
    EXPECT_EQ(hooks.reaccions, std::vector<int>{i});
    EXPECT_EQ(s.PosY[i], 1075);

    s.PosY[i] = 1100;
    step(); // any other reaction reflects off the floor
    EXPECT_EQ(s.VelY[i], 25);
    EXPECT_EQ(s.PosY[i], 1100);
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
    EXPECT_FLOAT_EQ(feo.zHi, 3000 - 120);

    s.RadiA[4] = 90;
    s.RadiB[4] = 30;
    s.MidaMol[4] = 75;
    const std::pair<Reaction, float> margins[] = {
        {Reaction::HI, 120}, {Reaction::NH3, 75}, {Reaction::HgO, 75}};
    for (const auto& [r, m] : margins) {
        const WallLimits lim = wallLimits(s, slotMargins(s, r, 4));
        EXPECT_FLOAT_EQ(lim.xLo, 100 + m);
        EXPECT_FLOAT_EQ(lim.yHi, 200 + 3000 - m);
        EXPECT_FLOAT_EQ(lim.zLo, m);
    }
}

} // namespace
} // namespace tarvon
