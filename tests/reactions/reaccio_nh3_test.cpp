#include "reactions/reaccio_nh3.h"

#include "reaction_fixtures.h"

#include <gtest/gtest.h>

#include <array>

namespace tarvon {
namespace {

// One N2 (slot 0, N atoms 0 and 1) and three H2 (slots 1 to 3, H atoms 0 to
// 5). Contact sum of N2 and H2: 2 * 111 + 2 * 55.5 = 333.
class ReaccioNH3Test : public ::testing::Test {
protected:
    void SetUp() override {
        test::setBox(s);
        s.Reaccio = "NH3";
        s.DistEnllac = 200;
        s.NumA = 2;
        s.NombreMol = 4;
        test::dressEightAtoms(s);
        s.RadiA[0] = 55.5f, s.RadiB[0] = 27.75f;
        s.MidaMol[0] = 111;
        for (int j = 1; j <= 3; ++j) {
            s.TaulaMol(j, 1) = static_cast<std::int16_t>(2 * j - 2);
            s.TaulaMol(j, 2) = static_cast<std::int16_t>(2 * j - 1);
            s.MidaMol[j] = 55.5f;
            test::setVelocity(s, j, 0, 0, -5.0f * j);
        }
        s.TaulaMol(0, 2) = 1;
        test::placeSlot(s, 0, 1000, 1000, 1000);
        test::setVelocity(s, 0, 7, 0, 0);
        s.nN2 = 1;
        s.nH2 = 3;
    }
    // H2 slots 1 ... on the x axis at these numbers of contact sums from the N2.
    void hydrogensAt(std::initializer_list<float> ratios) {
        int j = 1;
        for (float r : ratios)
            test::placeSlot(s, j++, 1000 + 333 * r, 1000, 1000);
        for (; j <= 3; ++j)
            test::placeSlot(s, j, 2800, 2800, 2800); // far away
    }
    std::array<int, 5> tableRow(int i) const {
        std::array<int, 5> r{};
        for (int c = 0; c < 5; ++c)
            r[c] = s.TaulaMol(i, c);
        return r;
    }

    SimulationState s;
    test::FakeClock clock;
    test::ScriptedRandom rnd;
    test::CountingRules rules{clock, rnd};
};

TEST_F(ReaccioNH3Test, OneTouchingAndOneNearWaitsOneTouchingAloneCollides) {
    hydrogensAt({0.75f, 2.5f});
    ReaccioNH3(s, rnd, rules, 0);
    EXPECT_EQ(s.VelX[0], 7);
    EXPECT_EQ(s.TaulaMol(0, 0), 0);

    hydrogensAt({0.75f, 3.1f});
    ReaccioNH3(s, rnd, rules, 0);
    EXPECT_EQ(s.VelZ[0], -5) << "velocities exchanged with slot 1";
    EXPECT_EQ(s.VelZ[2], -10) << "slot 2 is too far to collide";
    EXPECT_EQ(s.TaulaMol(0, 0), 0);
}

TEST_F(ReaccioNH3Test, ThreeHitsFormTwoAmmoniaMolecules) {
    hydrogensAt({0.75f, 1.8f, 2.7f});
    ReaccioNH3(s, rnd, rules, 0);
    EXPECT_EQ(tableRow(0), (std::array<int, 5>{1, 0, 2, 3, 4}));
    EXPECT_EQ(tableRow(1), (std::array<int, 5>{1, 1, 0, 1, 5}));
    EXPECT_EQ(s.TaulaMol(2, 0), 2);
    EXPECT_EQ(s.TaulaMol(3, 0), 2);
    EXPECT_FLOAT_EQ(s.MidaMol[1], 55.5f + 27.75f);
    EXPECT_EQ(s.nNH3, 2);
    EXPECT_EQ(s.txt[0], "Molècules presents: 2");
    EXPECT_EQ(s.VelX[0], 7) << "no collision after a reaction";
}

TEST_F(ReaccioNH3Test, UsedUpSlotsAreNeitherFoundNorHit) {
    hydrogensAt({0.75f, 1.8f, 2.7f});
    s.TaulaMol(3, 0) = 2;
    ReaccioNH3(s, rnd, rules, 0);
    EXPECT_EQ(s.TaulaMol(0, 0), 0) << "two hits only";
    // An H2 slot only collides, and not with a used-up slot.
    test::placeSlot(s, 2, s.PosX[1] + 100, 1000, 1000);
    test::placeSlot(s, 3, s.PosX[1] - 100, 1000, 1000);
    ReaccioNH3(s, rnd, rules, 1);
    EXPECT_EQ(s.VelZ[1], -10);
    EXPECT_EQ(s.VelZ[3], -15);
    EXPECT_EQ(s.nNH3, 0);
}

TEST_F(ReaccioNH3Test, AVisibleGroupIsCapturedDrawnTogether) {
    hydrogensAt({0.75f, 1.8f, 2.7f});
    s.meca.MecaDemanat = true;
    s.LimitVisX = s.LimitVisY = 6000; // the whole box in view
    ReaccioNH3(s, rnd, rules, 0);
    EXPECT_TRUE(s.meca.MecaCapturat);
    EXPECT_EQ(s.nNH3, 0);
    for (int j = 1; j <= 3; ++j) {
        EXPECT_EQ(s.meca.IdxMeca[j], j);
        EXPECT_NEAR(test::slotDistance(s, 0, j), 333 * 0.5, 1e-2) << "slot " << j;
    }
    // Once a capture is on show the next group reacts and keeps its centres.
    s.meca.MecaCapturat = false;
    s.meca.MecaMostrat = true;
    hydrogensAt({0.75f, 1.8f, 2.7f});
    ReaccioNH3(s, rnd, rules, 0);
    EXPECT_EQ(rules.shown, 1);
    EXPECT_EQ(s.nNH3, 2);
    EXPECT_EQ(s.PosX[1], 1000 + 333 * 0.75f);
}

} // namespace
} // namespace tarvon
