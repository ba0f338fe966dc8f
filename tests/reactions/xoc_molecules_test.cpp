#include "reactions/xoc_molecules.h"

#include "reaction_fixtures.h"

#include <gtest/gtest.h>

namespace tarvon {
namespace {

class XocMoleculesTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::setBox(s);
        test::placeSlot(s, 0, 1000, 1000, 1000);
        test::placeSlot(s, 1, 1000, 1300, 1400); // 500 apart
        test::setVelocity(s, 0, 10, 20, 30);
        test::setVelocity(s, 1, -1, -2, -3);
        s.Alfa[0] = 120;
        s.Alfa[1] = 100;
        s.RatioXoc = 1.25f; // contact at 400
    }
    SimulationState s;
    test::ScriptedRandom rnd;
};

TEST_F(XocMoleculesTest, SwapsVelocitiesAndMovesTheFirstSlotToContact) {
    Xoc_Molecules(s, rnd, 0, 1);
    EXPECT_TRUE(s.VelZ[0] == -3 && s.VelY[1] == 20);
    EXPECT_NEAR(test::slotDistance(s, 0, 1), 400, 1e-3);
    EXPECT_FLOAT_EQ(s.PosX[0], 1000); // along the line of centres
    EXPECT_FLOAT_EQ(s.PosY[1], 1300);
    EXPECT_FLOAT_EQ(s.Alfa[0], 30);
    EXPECT_FLOAT_EQ(s.Alfa[1], 10);
}

TEST_F(XocMoleculesTest, MercuryBouncesOffTheSolidAlone) {
    s.EnSolid[1] = true;
    Xoc_Molecules(s, rnd, 0, 1);
    EXPECT_TRUE(s.VelX[0] == -10 && s.VelY[0] == 20 && s.VelZ[0] == -30) << "only x and z turn";
    EXPECT_EQ(s.VelX[1], -1);
    EXPECT_EQ(s.PosY[0], 1000);
    EXPECT_EQ(rnd.draws, 0);
}

} // namespace
} // namespace tarvon
