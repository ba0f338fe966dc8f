#include "engine/animation_step.h"
#include "reactions/feo/feo.h"
#include "reactions/hgo/hgo.h"
#include "reactions/registry.h"

#include "fakes.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace tarvon {
namespace {

class AnimationStepTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::setBox(s);
        test::dressEightAtoms(s);
    }
    void slot(int i, float x, float z, float vx) {
        s.PosX[i] = x, s.PosY[i] = 1000, s.PosZ[i] = z;
        s.VelX[i] = vx;
        s.DirX[i] = 1;
    }
    // Three slots moving right, in depth bands 0, 1 and 2; N2 molecules for "NH3".
    void threeSlots(const char* key) {
        UseReaction(s, FindReaction(key));
        s.NumA = 6;
        s.NombreMol = 3;
        s.nHI = s.nN2 = 3; // every slot still HI, or N2 for "NH3"
        s.DistEnllac = 250;
        for (int i = 0; i < 3; ++i) {
            slot(i, 1000 + 500.0f * i, 400 + 500.0f * i, 10);
            s.MidaMol[i] = 180;
            s.TaulaMol(i, 1) = static_cast<std::int16_t>(2 * i);
            s.TaulaMol(i, 2) = static_cast<std::int16_t>(2 * i + 1);
        }
    }
    SimulationState s;
    test::FakeClock clock;
    test::ScriptedRandom rnd;
    test::RecordingHooks hooks;
    AnimationStep step{s, clock, rnd, hooks};
};

TEST_F(AnimationStepTest, MercuryPairsAreTestedAgainstPositionsAsTheyStand) {
    // Mercury sites 0 to 5, of which 0 and 5 are still in the solid; two O2.
    UseReaction(s, &kHgO);
    s.NumB = 6;
    s.NombreMol = 8;
    s.nHg = 4;
    s.nO2 = 2;
    for (int i = 0; i < 8; ++i)
        s.MidaMol[i] = 50;
    slot(0, 1000, 1000, 10);
    s.EnSolid[0] = true;
    slot(1, 2000, 1000, -50);
    slot(2, 2060, 1000, 0); // 60 from slot 1: contact 100
    slot(3, 1060, 1000, 5); // against the solid, which comes earlier
    for (int i = 4; i < 8; ++i)
        slot(i, 2900, 300.0f * (i - 3), 0); // out of everyone's reach
    s.EnSolid[5] = true;
    step.tick();
    // Slot 1 has moved to 1950 when slot 2 looks for it: 110 apart.
    EXPECT_EQ(hooks.xocs, (std::vector<std::pair<int, int>>{{1, 2}, {3, 0}}));
    EXPECT_EQ(s.PosX[0], 1000);
    EXPECT_FALSE(s.caja.AtomB[0].visible);
    EXPECT_TRUE(s.caja.AtomB[1].visible);
    EXPECT_EQ(s.PosX[3], 1065);
    EXPECT_EQ(hooks.rows, 1);
}

// An O2 used up at the iron surface is invisible: no molecule meets it, and
// its slot neither moves nor collides.
TEST_F(AnimationStepTest, UsedOxygenSlotsTakeNoPartInThePairTest) {
    UseReaction(s, &kFeO);
    s.NombreMol = 4;
    for (int i = 0; i < 4; ++i)
        slot(i, 1000 + 100.0f * i, 1000, 0); // all within 0.9 x 4r = 324 of each other
    // Each O2 used up oxidised two iron cells.
    s.TaulaMol.setState(1, SlotState::UsedUp);
    s.TaulaMol.setState(3, SlotState::UsedUp);
    s.nO2 = 2;
    s.NumB = 8;
    for (int c = 0; c < 4; ++c)
        s.caja.AtomB[c].tag = kTagOxidisedIron;
    s.nFeO = s.NumCellesOxid = 4;
    step.tick();
    EXPECT_EQ(hooks.xocs, (std::vector<std::pair<int, int>>{{0, 2}}));
}

// The captured slot stays where it was caught; "HI" ends the loop there.
TEST_F(AnimationStepTest, CaptureEndsTheIodideLoopButNotTheAmmoniaOne) {
    for (const std::string key : {"HI", "NH3"}) {
        hooks.reaccions.clear(), hooks.captures = 0;
        threeSlots(key.c_str());
        hooks.onReaccio = [](SimulationState& st, int i) {
            st.meca.MecaCapturat = i == 1;
            for (int n = 0; n < 4; ++n)
                st.meca.IdxMeca[n] = static_cast<std::int16_t>(1 + n % 2);
        };
        step.tick();
        const bool hi = key == "HI";
        EXPECT_EQ(hooks.reaccions, (hi ? std::vector<int>{0, 1} : std::vector<int>{0, 1, 2}));
        EXPECT_EQ(hooks.captures, 1);
        EXPECT_FALSE(s.meca.MecaCapturat);
        EXPECT_EQ(s.PosX[1], 1500);
        EXPECT_EQ(s.PosX[2], hi ? 2000 : 2010);
        EXPECT_EQ((hi ? s.caja.AtomB[2] : s.caja.AtomA[5]).borderWidth, 2);
        if (hi) { // restacked by depth even so
            EXPECT_LT(s.caja.AtomB[2].stackKey, s.caja.AtomB[1].stackKey);
            EXPECT_LT(s.caja.AtomB[0].stackKey, s.caja.AtomB[3].stackKey);
        }
    }
}

TEST_F(AnimationStepTest, AnIndexOutsideAListAbandonsOnlyThatTick) {
    threeSlots("NH3");
    s.TaulaMol(1, 1) = 600;
    std::string error;
    EXPECT_FALSE(step.guardedTick(&error));
    EXPECT_NE(error.find("600"), std::string::npos) << error;

    s.TaulaMol(1, 1) = 2;
    s.EnSolid[2] = true; // a lattice site stays put whatever the reaction
    const float before[] = {s.PosX[0], s.PosX[1], s.PosX[2]};
    EXPECT_TRUE(step.guardedTick());
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(s.PosX[i], before[i] + (i < 2 ? 10 : 0));
}

} // namespace
} // namespace tarvon
