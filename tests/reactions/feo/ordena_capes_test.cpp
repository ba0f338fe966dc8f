#include "reactions/feo/ordena_capes.h"

#include "engine/catom.h"
#include "engine/fakes.h"

#include <gtest/gtest.h>

#include <vector>

namespace tarvon {
namespace {

// Oxide diameter 1.4 * 150 = 210: the layers are 420 twips deep.
class OrdenaCapesTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::setBox(s);
        s.Diam = 150;
        s.NumB = 6;
        const CAtom atoms;
        atoms.Crea_AtomsA(s, 6);
        atoms.Crea_AtomsB(s, 6);
        s.CellesOxid.fill(kNoCell);
        s.OxigenCella.fill(kNoCell);
        for (int m = 0; m < 6; ++m)
            s.caja.AtomB[m].visible = true;
    }
    // Iron cell c at depth z oxidised with oxide o; listed in order of call.
    void oxidise(int c, float z, int o) {
        s.FerroZ[c] = z;
        s.PantBX[c] = 100.0f * c;
        s.PantBY[c] = 50.0f * c;
        s.PantAX[o] = 1000.0f + o;
        s.PantAY[o] = 2000.0f + o;
        s.caja.AtomB[c].tag = kTagOxidisedIron;
        s.OxigenCella[c] = static_cast<std::int16_t>(o);
        s.CellesOxid[s.NumCellesOxid] = static_cast<std::int16_t>(c);
        ++s.NumCellesOxid;
    }

    SimulationState s;
};

TEST_F(OrdenaCapesTest, NearerLayersOverDeeperOnesAndBareMetalBehind) {
    oxidise(1, 900, 4); // layer 2
    oxidise(2, 100, 5); // layer 0
    oxidise(3, 400, 0); // layer 0
    oxidise(5, 500, 1); // layer 1
    Ordena_Capes(s);
    const std::vector<const AtomShape*> expected{
        &s.caja.AtomB[4], &s.caja.AtomB[0], // bare metal, the last sent back first
        &s.caja.AtomB[2], &s.caja.AtomA[5], &s.caja.AtomB[3], &s.caja.AtomA[0],
        &s.caja.AtomB[5], &s.caja.AtomA[1], &s.caja.AtomB[1], &s.caja.AtomA[4]};
    EXPECT_EQ(s.caja.paintOrder(), expected);
    EXPECT_EQ(s.caja.AtomB[5].left, 500);
    EXPECT_EQ(s.caja.AtomB[5].top, 250);
    EXPECT_EQ(s.caja.AtomA[1].top, 2001);
    EXPECT_FALSE(s.caja.AtomA[2].visible) << "an oxygen not in the surface";
}

} // namespace
} // namespace tarvon
