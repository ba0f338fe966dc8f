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
        s.NumB = 6;
        s.NombreMol = 4;
        const CAtom atoms;
        atoms.Crea_AtomsA(s, 2);
        atoms.Crea_AtomsB(s, 6);
        atoms.Propietats_AtomsA(s, 111, 2, {0, 190, 255}, {0, 0, 255});
        atoms.Propietats_AtomsB(s, 55.5f, 6, {255, 100, 0}, {0, 0, 255});
        row(0, 0, 1);
        s.MidaMol[0] = 111;
        for (int j = 1; j <= 3; ++j) {
            row(j, 2 * j - 2, 2 * j - 1);
            s.MidaMol[j] = 55.5f;
            test::placeSlot(s, j, 2800, 2800, 2800); // far away
            test::setVelocity(s, j, 0, 0, -5.0f * j);
        }
        test::placeSlot(s, 0, 1000, 1000, 1000);
        test::setVelocity(s, 0, 7, 0, 0);
        s.nN2 = 1;
        s.nH2 = 3;
        s.txt[0] = "Molècules presents: 4";
    }
    void row(int i, int a, int b) {
        s.TaulaMol(i, 1) = static_cast<std::int16_t>(a);
        s.TaulaMol(i, 2) = static_cast<std::int16_t>(b);
    }
    // H2 slot j on the x axis at `ratio` contact sums from the N2.
    void hydrogenAt(int j, float ratio) { test::placeSlot(s, j, 1000 + 333 * ratio, 1000, 1000); }
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

TEST_F(ReaccioNH3Test, OneTouchingAndOneNearNeitherReactNorCollide) {
    hydrogenAt(1, 0.75f); // close enough to collide too
    hydrogenAt(2, 2.5f);
    ReaccioNH3(s, rnd, rules, 0);
    EXPECT_EQ(s.VelX[0], 7);
    EXPECT_EQ(s.PosX[1], 1000 + 333 * 0.75f);
    EXPECT_EQ(s.TaulaMol(0, 0), 0);
    EXPECT_EQ(s.nN2, 1);
}

TEST_F(ReaccioNH3Test, OneTouchingAloneIsAPlainCollision) {
    hydrogenAt(1, 0.75f);
    hydrogenAt(2, 3.1f);
    ReaccioNH3(s, rnd, rules, 0);
    EXPECT_EQ(s.VelZ[0], -5) << "velocities exchanged with slot 1";
    EXPECT_EQ(s.VelX[1], 7);
    EXPECT_EQ(s.VelZ[2], -10) << "slot 2 is too far to collide";
    EXPECT_EQ(s.TaulaMol(0, 0), 0);
}

TEST_F(ReaccioNH3Test, ThreeHitsFormTwoAmmoniaMolecules) {
    hydrogenAt(1, 0.75f);
    hydrogenAt(2, 1.8f);
    hydrogenAt(3, 2.7f);
    ReaccioNH3(s, rnd, rules, 0);
    EXPECT_EQ(tableRow(0), (std::array<int, 5>{1, 0, 2, 3, 4}));
    EXPECT_EQ(tableRow(1), (std::array<int, 5>{1, 1, 0, 1, 5}));
    EXPECT_EQ(s.TaulaMol(2, 0), 2);
    EXPECT_EQ(s.TaulaMol(3, 0), 2);
    EXPECT_FLOAT_EQ(s.MidaMol[0], 55.5f + 27.75f);
    EXPECT_FLOAT_EQ(s.MidaMol[1], 55.5f + 27.75f);
    EXPECT_EQ(s.PosX[0], 1000);
    EXPECT_EQ(s.nNH3, 2);
    EXPECT_EQ(s.nN2, 0);
    EXPECT_EQ(s.nH2, 0);
    EXPECT_EQ(s.txt[0], "Molècules presents: 2");
    EXPECT_EQ(s.txt[1], "Molècules NH3: 2");
    EXPECT_EQ(s.VelX[0], 7) << "no collision after a reaction";
}

TEST_F(ReaccioNH3Test, UsedUpSlotsAreNeitherFoundNorHit) {
    hydrogenAt(1, 0.75f);
    hydrogenAt(2, 1.8f);
    hydrogenAt(3, 2.7f);
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
    hydrogenAt(1, 0.75f);
    hydrogenAt(2, 1.8f);
    hydrogenAt(3, 2.7f);
    s.meca.MecaDemanat = true;
    test::seeWholeBox(s);
    ReaccioNH3(s, rnd, rules, 0);
    EXPECT_TRUE(s.meca.MecaCapturat);
    EXPECT_EQ(s.TaulaMol(0, 0), 0);
    EXPECT_EQ(s.nNH3, 0);
    for (int j = 1; j <= 3; ++j) {
        EXPECT_EQ(s.meca.IdxMeca[j], j);
        EXPECT_NEAR(test::slotDistance(s, 0, j), 333 * 0.5, 1e-2) << "slot " << j;
    }
    // Once a capture is on show the next group reacts and keeps its centres.
    s.meca.MecaCapturat = false;
    s.meca.MecaMostrat = true;
    hydrogenAt(1, 0.75f);
    ReaccioNH3(s, rnd, rules, 0);
    EXPECT_EQ(rules.shown, 1);
    EXPECT_EQ(s.nNH3, 2);
    EXPECT_EQ(s.PosX[1], 1000 + 333 * 0.75f);
}

} // namespace
} // namespace tarvon
