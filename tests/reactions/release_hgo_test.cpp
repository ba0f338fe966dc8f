#include "reactions/release_hgo.h"

#include "engine/animation_step.h"
#include "reaction_fixtures.h"
#include "reactions/colors_especie.h"

#include <gtest/gtest.h>

namespace tarvon {
namespace {

// A block of two ion pairs (shapes 0 to 3 of each kind): mercury slots 0 to 3,
// O2 slots 4 and 5, all still in the solid. Pair 2 is released first.
class ReleaseHgOTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::setBox(s);
        s.Reaccio = "HgO";
        s.Diam = 150;
        s.DistEnllac = 200;
        s.FactorEnllac = 0.9f;
        s.NumA = s.NumB = 4;
        s.NombreMol = 6;
        const CAtom atoms;
        atoms.Crea_AtomsA(s, 4);
        atoms.Crea_AtomsB(s, 4);
        atoms.Propietats_AtomsA(s, 210, 4, ColorsEspecie(4), ColorsEspecie(6));
        atoms.Propietats_AtomsB(s, 165, 4, ColorsEspecie(1), ColorsEspecie(6));
        for (int i = 0; i < 6; ++i) {
            // Far enough apart that nothing released collides.
            test::placeSlot(s, i, 600 + 400.0f * i, 2000, 1500);
            test::setVelocity(s, i, 0, 8, 0);
            s.EnSolid[i] = true;
            s.DirX[i] = 1;
        }
        s.OrdreParells[0] = 2;
        s.OrdreParells[1] = 0;
    }
    // Ticks at clock time t; returns the mercury atoms out so far.
    int tickAt(double t) {
        clock.t = t;
        step.tick();
        return s.nHg;
    }

    SimulationState s;
    test::FakeClock clock;
    test::ScriptedRandom rnd;
    test::CountingRules rules{clock, rnd};
    AnimationStep step{s, clock, rnd, rules};
};

TEST_F(ReleaseHgOTest, APairLeavesAsTwoMercuryAtomsAndOneOxygenMolecule) {
    ReleaseHgO(s, clock);
    for (int h : {2, 3}) {
        EXPECT_FALSE(s.EnSolid[h]);
        EXPECT_EQ(s.caja.AtomB[h].fill, kMetalFill);
        EXPECT_EQ(s.VelY[h], -28) << "upwards, a tenth of a bond faster";
    }
    // O2 slot NumB + k / 2 = 5, between the two mercury slots.
    EXPECT_FALSE(s.EnSolid[5]);
    EXPECT_TRUE(s.EnSolid[4] && s.EnSolid[1]);
    EXPECT_FLOAT_EQ(s.PosX[5], (1400 + 1800) / 2.0f);
    EXPECT_EQ(s.VelY[5], -28);
    EXPECT_EQ(s.caja.AtomA[2].fill, ColorsEspecie(5));
    // Oxygen atoms along the slot's x direction, the bond factor apart.
    EXPECT_FLOAT_EQ(s.AtomAX[2], 1600 - 55.5f * 0.9f);
    EXPECT_FLOAT_EQ(s.AtomAX[3] - s.AtomAX[2], 111 * 0.9f);
    EXPECT_EQ(s.nO2, 1);
    EXPECT_EQ(s.txt[3], "Àtoms mercuri (gas): 2");
    EXPECT_FALSE(s.meca.MecaCapturat);
}

TEST_F(ReleaseHgOTest, WithTheMechanismRequestedEveryReleaseIsCapturedEveryThreeSeconds) {
    s.meca.MecaDemanat = true;
    EXPECT_EQ(tickAt(2.9), 0);
    EXPECT_EQ(tickAt(3.0), 2);
    EXPECT_TRUE(s.meca.MecaCapturat);
    EXPECT_EQ(rules.shown, 1) << "shown at the end of the tick";
    EXPECT_EQ(s.meca.IdxMeca[1], 3);
    EXPECT_EQ(s.meca.IdxMeca[2], 2);
    EXPECT_FLOAT_EQ(s.meca.FotoMeca[0].width, 210) << "photographed before the release";
    s.meca.MecaCapturat = false;
    EXPECT_EQ(tickAt(5.9), 2);
    EXPECT_EQ(tickAt(6.0), 4);
    EXPECT_FALSE(s.EnSolid[4]) << "the second pair's O2";
}

} // namespace
} // namespace tarvon
