#include "reactions/counters.h"
#include "reactions/hi/hi.h"
#include "reactions/hi/reaccio_hi.h"

#include "reactions/reaction_fixtures.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tarvon {
namespace {

// Iodine radius 90, hydrogen radius 40: four radii make S = 260.
class ReaccioHITest : public ::testing::Test {
protected:
    void SetUp() override {
        test::setBox(s);
        test::dressEightAtoms(s);
        UseReaction(s, &kHI);
        s.FactorEnllac = 0.85f;
        s.DistEnllac = 200;
        s.NombreMol = s.nHI = 2;
        molecule(0, 1000, 100, 120);
        molecule(1, 1100, 100, 120);
        test::setVelocity(s, 0, 10, 0, 0);
        test::setVelocity(s, 1, -10, 0, 0);
    }
    // Slot i centred at (x, 1000, 1000); iodine dI and hydrogen dH to its right.
    void molecule(int i, float x, float dI, float dH) {
        test::placeSlot(s, i, x, 1000, 1000);
        s.AtomAX[i] = x + dI, s.AtomAY[i] = 1000, s.AtomAZ[i] = 1000;
        s.AtomBX[i] = x + dH, s.AtomBY[i] = 1000, s.AtomBZ[i] = 1000;
        s.Alfa[i] = 150;
    }
    bool reacted(int i = 0) const { return s.caja.AtomB[i].tag == kTagKindA; }

    SimulationState s;
    test::FakeClock clock;
    test::ScriptedRandom rnd;
    test::CountingRules rules{clock, rnd};
};

TEST_F(ReaccioHITest, OverlapWithTheIodinesApartIsACollision) {
    molecule(0, 1000, -200, 100); // iodines 600 apart, hydrogens 100
    molecule(1, 1200, 200, 0);    // centres 200 apart: ratio 0.77
    ReaccioHI(s, rnd, rules, 0);
    EXPECT_FALSE(reacted());
    EXPECT_EQ(s.VelX[0], -10);
    EXPECT_NEAR(test::slotDistance(s, 0, 1), 260, 1e-3);
}

TEST_F(ReaccioHITest, AReactingPairLeavesIodineAndHydrogen) {
    const Rgb iodineFill = s.caja.AtomA[1].fill, hydrogenFill = s.caja.AtomB[0].fill;
    ReaccioHI(s, rnd, rules, 0);
    const auto& A = s.caja.AtomA;
    const auto& B = s.caja.AtomB;
    const std::string iodine(2, kTagKindA), hydrogen(2, kTagKindB);
    EXPECT_EQ((std::string{A[0].tag, B[0].tag, A[1].tag, B[1].tag}), iodine + hydrogen);
    EXPECT_TRUE(B[0].fill == iodineFill && B[0].width == 180 && A[1].fill == hydrogenFill);
    EXPECT_EQ(s.VelX[0], 10) << "velocities are kept";
    // Both turned a quarter back and laid out again with their new radii.
    EXPECT_FLOAT_EQ(s.Alfa[0], 60);
    const double bond =
        std::hypot(s.AtomBX[0] - s.AtomAX[0], s.AtomBY[0] - s.AtomAY[0], s.AtomBZ[0] - s.AtomAZ[0]);
    EXPECT_NEAR(bond, 180 * 0.85, 1e-3);
    EXPECT_NEAR(s.AtomAX[1] - s.PosX[1], -40 * 0.85 * s.DirX[1], 1e-3);
    EXPECT_TRUE(s.nHI == 0 && s.nH2 == 1);
    EXPECT_EQ(Comptadors(s).at(3).value, 1);
}

TEST_F(ReaccioHITest, ProductsNeverReactAgain) {
    s.NombreMol = s.nHI = 4;
    molecule(2, 1050, 100, 120);
    molecule(3, 1150, 100, 120);
    for (int i = 0; i < 4; ++i)
        ReaccioHI(s, rnd, rules, i);
    // Slot 0 took slot 1's iodine; 2 and 3 are left to react together.
    EXPECT_EQ(s.nH2, 2);
    EXPECT_TRUE(reacted(0) && reacted(2));
}

TEST_F(ReaccioHITest, CaptureHoldsBackOnlyAVisibleFirstReaction) {
    s.meca.MecaDemanat = true;
    s.LimitVisX = s.LimitVisY = 1200; // the pair lies beyond 2 bonds from the edge
    ReaccioHI(s, rnd, rules, 0);
    EXPECT_TRUE(reacted() && !s.meca.MecaCapturat);

    SetUp();
    s.meca.MecaDemanat = true;
    s.LimitVisX = s.LimitVisY = 6000; // the whole box in view
    ReaccioHI(s, rnd, rules, 0);
    EXPECT_TRUE(!reacted() && s.meca.MecaCapturat && rules.shown == 0);
    EXPECT_EQ(s.meca.IdxMeca[1], 1);

    // Once marked by the tick, the group reacts and is shown.
    s.meca.MecaCapturat = false;
    s.caja.AtomA[0].border = ColorMarca;
    ReaccioHI(s, rnd, rules, 0);
    EXPECT_TRUE(reacted() && s.meca.MecaMostrat);
    EXPECT_EQ(rules.shown, 1);
}

} // namespace
} // namespace tarvon
