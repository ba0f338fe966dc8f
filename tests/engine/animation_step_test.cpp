#include "engine/animation_step.h"

#include "engine/tick_invariants.h"
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
    void slot(int i, float x, float y, float z, float vx) {
        s.PosX[i] = x, s.PosY[i] = y, s.PosZ[i] = z;
        s.VelX[i] = vx;
        s.DirX[i] = 1;
    }
    // Three N2 slots of "NH3" in the middle of the box, moving right.
    void nitrogen() {
        s.Reaccio = "NH3";
        s.NumA = 6;
        s.NombreMol = 3;
        for (int i = 0; i < 3; ++i) {
            slot(i, 1000 + 500.0f * i, 1500, 1500, 10);
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

TEST_F(AnimationStepTest, WithoutAReactionOnlyTheFrontStripMoves) {
    s.NombreMol = 1;
    slot(0, s.OrigenX, 500, 500, -20); // on a wall
    s.caja.AtomA[0].visible = s.caja.shpCara[0].visible = s.caja.shpCara[1].visible = true;
    const long long keyA = s.caja.AtomA[0].stackKey, keyCara1 = s.caja.shpCara[1].stackKey;
    for (const char* key : {"", "hgo"}) {
        s.Reaccio = key;
        step.tick();
    }
    EXPECT_EQ(s.PosX[0], s.OrigenX);
    EXPECT_EQ(s.VelX[0], -20);
    EXPECT_EQ(hooks.rows, 0);
    EXPECT_EQ(rnd.draws, 0);
    EXPECT_EQ(s.caja.paintOrder().back(), &s.caja.shpCara[0]);
    EXPECT_EQ(s.caja.AtomA[0].stackKey, keyA);
    EXPECT_EQ(s.caja.shpCara[1].stackKey, keyCara1);
}

TEST_F(AnimationStepTest, MercuryPairsAreTestedAgainstPositionsAsTheyStand) {
    s.Reaccio = "HgO";
    s.NumB = 2;
    s.NombreMol = 4;
    for (int i = 0; i < 4; ++i)
        s.MidaMol[i] = 50;
    slot(0, 1000, 1000, 1000, 10);
    s.EnSolid[0] = true;
    slot(1, 2000, 1000, 1000, -50);
    slot(2, 2060, 1000, 1000, 0); // 60 from slot 1: contact 100
    slot(3, 1060, 1000, 1000, 5); // against the solid, which comes earlier
    step.tick();
    // Slot 1 has moved to 1950 when slot 2 looks for it: 110 apart.
    EXPECT_EQ(hooks.xocs, (std::vector<std::pair<int, int>>{{1, 2}, {3, 0}}));
    EXPECT_EQ(s.PosX[0], 1000);
    EXPECT_FALSE(s.caja.AtomB[0].visible);
    EXPECT_EQ(s.PosX[1], 1950);
    EXPECT_TRUE(s.caja.AtomB[1].visible);
    EXPECT_EQ(s.PosX[3], 1065);
    EXPECT_EQ(hooks.rows, 1);
    EXPECT_TRUE(hooks.reaccions.empty());
}

TEST_F(AnimationStepTest, MercuryReleaseWaitsForItsInterval) {
    s.Reaccio = "HgO";
    s.NumB = 2;
    s.nHg = 1;
    s.TempsEvent = 100;
    const auto tickAt = [&](double t) {
        clock.t = t;
        step.tick();
        return hooks.reaccions.size();
    };
    EXPECT_EQ(tickAt(100.4), 0u);
    ASSERT_EQ(tickAt(100.5), 1u);
    EXPECT_EQ(hooks.reaccions.back(), 1) << "released with i = nHg";
    s.nHg = 2; // every mercury atom is out
    EXPECT_EQ(tickAt(101), 1u);
    s.nHg = 1;
    s.meca.MecaDemanat = true;
    EXPECT_EQ(tickAt(102.9), 1u);
    EXPECT_EQ(s.IntervalEvent, 3.0f);
    EXPECT_EQ(tickAt(103), 2u);
}

TEST_F(AnimationStepTest, IodideCaptureEndsTheLoopButStillRestacks) {
    s.Reaccio = "HI";
    s.NombreMol = 3;
    s.DistEnllac = 250;
    slot(0, 1000, 1000, 400, 10);  // depth band 0
    slot(1, 1500, 1000, 800, 10);  // band 1
    slot(2, 2000, 1000, 1400, 10); // band 2
    hooks.onReaccio = [](SimulationState& st, int i) {
        if (i == 1) {
            st.meca.MecaCapturat = true;
            st.meca.IdxMeca[0] = 1, st.meca.IdxMeca[1] = 2;
        }
    };
    step.tick();
    EXPECT_EQ(hooks.reaccions, (std::vector<int>{0, 1}));
    EXPECT_EQ(hooks.captures, 1);
    EXPECT_FALSE(s.meca.MecaCapturat);
    EXPECT_EQ(s.PosX[0], 1010);
    EXPECT_EQ(s.PosX[1], 1500);
    EXPECT_EQ(s.PosX[2], 2000);
    EXPECT_EQ(s.caja.AtomB[2].border, (Rgb{0, 255, 0}));
    EXPECT_LT(s.caja.AtomB[2].stackKey, s.caja.AtomB[1].stackKey);
    EXPECT_LT(s.caja.AtomB[1].stackKey, s.caja.AtomB[0].stackKey);
    EXPECT_LT(s.caja.AtomB[0].stackKey, s.caja.AtomB[3].stackKey);
}

// A collision can set slot i to contact distance past a wall, and a capture
// later in the same scan skips its walls and ends the loop: the tick still ends
// normally and the next tick brings the slot back inside.
TEST_F(AnimationStepTest, SlotPushedOutByACollisionComesBackNextTick) {
    s.Reaccio = "HI";
    s.NombreMol = 3;
    slot(0, s.OrigenX + 130, 1000, 400, 10); // on its wall limit
    slot(1, s.OrigenX + 160, 1000, 400, -10);
    slot(2, s.OrigenX + 130, 1100, 400, 0);
    hooks.onReaccio = [this](SimulationState& st, int i) {
        if (i != 0 || hooks.captures > 0)
            return;
        st.PosX[0] = st.PosX[1] - 260; // Xoc_Molecules with 1: to contact, S = 2 (90 + 40)
        st.meca.MecaCapturat = true;   // 2 reacts and is captured
        st.meca.IdxMeca[0] = 0, st.meca.IdxMeca[1] = 2;
    };
    EXPECT_TRUE(step.guardedTick());
    EXPECT_LT(s.PosX[0], s.OrigenX);
    EXPECT_TRUE(step.guardedTick());
    EXPECT_EQ(TickInvariantViolation(s), "");
}

TEST_F(AnimationStepTest, AmmoniaCaptureGoesOnWithTheNextSlot) {
    nitrogen();
    hooks.onReaccio = [](SimulationState& st, int i) {
        if (i == 0) {
            st.meca.MecaCapturat = true;
            for (int n = 0; n < 4; ++n)
                st.meca.IdxMeca[n] = static_cast<std::int16_t>(n % 3);
        }
    };
    step.tick();
    EXPECT_EQ(hooks.reaccions, (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(hooks.captures, 1);
    EXPECT_EQ(s.PosX[0], 1000);
    EXPECT_EQ(s.PosX[1], 1510);
    EXPECT_EQ(s.PosX[2], 2010);
    EXPECT_EQ(s.caja.AtomA[5].borderWidth, 2);
}

TEST_F(AnimationStepTest, AnIndexOutsideAListAbandonsOnlyThatTick) {
    nitrogen();
    s.TaulaMol(1, 1) = 600;
    std::string error;
    EXPECT_FALSE(step.guardedTick(&error));
    EXPECT_NE(error.find("600"), std::string::npos) << error;

    s.TaulaMol(1, 1) = 2;
    const float before[] = {s.PosX[0], s.PosX[1], s.PosX[2]};
    EXPECT_TRUE(step.guardedTick());
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(s.PosX[i], before[i] + 10);
    EXPECT_TRUE(s.caja.AtomA[2].visible);
}

} // namespace
} // namespace tarvon
