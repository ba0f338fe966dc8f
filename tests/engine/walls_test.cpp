#include "engine/walls.h"

#include "fakes.h"

#include <gtest/gtest.h>

namespace tarvon {
namespace {

class WallsTest : public ::testing::Test {
protected:
    void step(ReactionHooks* floorHook = nullptr) { WallsAndMotion(s, rnd, i, lim, floorHook); }
    std::vector<float> pos() const { return {s.PosX[i], s.PosY[i], s.PosZ[i]}; }
    static constexpr int i = 2;
    WallLimits lim{100, 1000, 200, 1100, 50, 950};
    SimulationState s;
    test::ScriptedRandom rnd;
};

TEST_F(WallsTest, SlotOnALimitReversesMovesAndIsReAimedInOneTick) {
    s.PosX[i] = 100, s.PosY[i] = 500, s.PosZ[i] = 950; // on two limits
    s.VelX[i] = -30, s.VelY[i] = 5;
    rnd.script = {0.5, 0.25};
    step();
    EXPECT_EQ(s.VelX[i], 30);
    EXPECT_EQ(pos(), (std::vector<float>{130, 505, 950})) << "a still slot stays on its limit";
    EXPECT_FLOAT_EQ(s.Alfa[i], 90.5f);
    EXPECT_NEAR(s.Beta[i], 45.25, 1e-4); // band 0.5 ... 179.5
    rnd.script = {0.1, 0.5};
    step(); // and is re-aimed every tick
    EXPECT_FLOAT_EQ(s.Alfa[i], 18.1f);
}

TEST_F(WallsTest, OvershootIsClampedAndReflectedOnTheNextTick) {
    s.PosX[i] = 990, s.PosY[i] = 210, s.PosZ[i] = 500;
    s.VelX[i] = 40, s.VelY[i] = -40;
    step();
    EXPECT_EQ(pos(), (std::vector<float>{1000, 200, 500}));
    EXPECT_EQ(rnd.draws, 0);
    step();
    EXPECT_EQ(pos(), (std::vector<float>{960, 240, 500}));
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
}

} // namespace
} // namespace tarvon
