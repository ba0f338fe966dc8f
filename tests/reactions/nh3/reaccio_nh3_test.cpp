#include "reactions/counters.h"
#include "reactions/nh3/reaccio_nh3.h"

#include "reactions/population_fixture.h"
#include "reactions/reaction_fixtures.h"

#include <array>

namespace tarvon {
namespace {

// The N2 of slot 0 and the first three H2 (slots 12 to 14, H atoms 0 to 5) of
// 100 particles; the other slots left out. Contact sum of N2 and H2:
// 2 * 111 + 2 * 55.5 = 333.
class ReaccioNH3Test : public ::testing::Test {
protected:
    void SetUp() override {
        s.NombreMol = 15;
        test::placeSlot(s, 0, 1000, 1000, 1000);
        test::setVelocity(s, 0, 7, 0, 0);
        for (int j = 12; j <= 14; ++j)
            test::setVelocity(s, j, 0, 0, -5.0f * (j - 11));
    }
    // H2 slots 12 ... on the x axis at these numbers of contact sums from the N2.
    void hydrogensAt(std::initializer_list<float> ratios) {
        int j = 12;
        for (float r : ratios)
            test::placeSlot(s, j++, 1000 + 333 * r, 1000, 1000);
        for (; j <= 14; ++j)
            test::placeSlot(s, j, 3800, 5000, 3000); // far away
    }
    // The atoms of row i: N, then three H.
    std::array<int, 4> atomsOf(int i) const {
        std::array<int, 4> r{};
        for (int c = 0; c < 4; ++c)
            r[c] = s.TaulaMol(i, c + 1);
        return r;
    }

    std::unique_ptr<SimulationState> owner = test::populated("NH3", 100);
    SimulationState& s = *owner;
    test::FakeClock clock;
    test::ScriptedRandom rnd;
    test::CountingRules rules{clock, rnd};
};

TEST_F(ReaccioNH3Test, OneTouchingAndOneNearWaitsOneTouchingAloneCollides) {
    hydrogensAt({0.75f, 2.5f});
    ReaccioNH3(s, rnd, rules, 0);
    EXPECT_EQ(s.VelX[0], 7);
    EXPECT_EQ(s.TaulaMol.state(0), SlotState::Reactant);

    hydrogensAt({0.75f, 3.1f});
    ReaccioNH3(s, rnd, rules, 0);
    EXPECT_EQ(s.VelZ[0], -5) << "velocities exchanged with slot 12";
    EXPECT_EQ(s.VelZ[13], -10) << "slot 13 is too far to collide";
    EXPECT_EQ(s.TaulaMol.state(0), SlotState::Reactant);
}

TEST_F(ReaccioNH3Test, UsedUpSlotsAreNeitherFoundNorHit) {
    hydrogensAt({0.75f, 1.8f, 2.7f});
    s.TaulaMol.setState(14, SlotState::UsedUp);
    ReaccioNH3(s, rnd, rules, 0);
    EXPECT_EQ(s.TaulaMol.state(0), SlotState::Reactant) << "two hits only";
    // An H2 slot only collides, and not with a used-up slot.
    test::placeSlot(s, 13, s.PosX[12] + 100, 1000, 1000);
    test::placeSlot(s, 14, s.PosX[12] - 100, 1000, 1000);
    ReaccioNH3(s, rnd, rules, 12);
    EXPECT_EQ(s.VelZ[12], -10);
    EXPECT_EQ(s.VelZ[14], -15);
    EXPECT_EQ(s.nNH3, 0);
}

TEST_F(ReaccioNH3Test, AVisibleGroupIsCapturedDrawnTogetherTheNextFormsTwoAmmonia) {
    hydrogensAt({0.75f, 1.8f, 2.7f});
    s.meca.MecaDemanat = true;
    s.LimitVisX = s.LimitVisY = 8000; // the whole box in view
    ReaccioNH3(s, rnd, rules, 0);
    EXPECT_TRUE(s.meca.MecaCapturat);
    EXPECT_EQ(s.nNH3, 0);
    for (int j = 12; j <= 14; ++j) {
        EXPECT_EQ(s.meca.IdxMeca[j - 11], j);
        EXPECT_NEAR(test::slotDistance(s, 0, j), 333 * 0.5, 1e-2) << "slot " << j;
    }
    // Once a capture is on show the next group reacts and keeps its centres.
    s.meca.MecaCapturat = false;
    s.meca.MecaMostrat = true;
    hydrogensAt({0.75f, 1.8f, 2.7f});
    ReaccioNH3(s, rnd, rules, 0);
    EXPECT_EQ(rules.shown, 1);
    EXPECT_EQ(s.PosX[12], 1000 + 333 * 0.75f);
    // Three hits form two ammonia molecules.
    EXPECT_TRUE(s.TaulaMol.state(0) == SlotState::Product &&
                s.TaulaMol.state(12) == SlotState::Product);
    EXPECT_EQ(atomsOf(0), (std::array<int, 4>{0, 2, 3, 4}));
    EXPECT_EQ(atomsOf(12), (std::array<int, 4>{1, 0, 1, 5}));
    EXPECT_TRUE(s.TaulaMol.state(13) == SlotState::UsedUp &&
                s.TaulaMol.state(14) == SlotState::UsedUp);
    EXPECT_FLOAT_EQ(s.MidaMol[12], 55.5f + 27.75f);
    EXPECT_EQ(s.nNH3, 2);
    EXPECT_EQ(Comptadors(s).at(0).value, 46);
    EXPECT_EQ(s.VelX[0], 7) << "no collision after a reaction";
}

} // namespace
} // namespace tarvon
