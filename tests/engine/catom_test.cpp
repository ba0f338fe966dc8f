#include "engine/catom.h"

#include "fakes.h"

#include <gtest/gtest.h>

namespace tarvon {
namespace {

TEST(CAtom, CreaExtendsAfterTheUpperIndexAndPropietatsDressesTheFirstNum) {
    SimulationState s;
    const CAtom atoms;
    atoms.Crea_AtomsA(s, 0);
    EXPECT_EQ(s.caja.AtomA.upperIndex(), 0);
    atoms.Crea_AtomsA(s, 5);
    EXPECT_EQ(s.caja.AtomA.upperIndex(), 4);
    atoms.Crea_AtomsA(s, 5); // finds upper index 4, creates 5 ... 9
    EXPECT_EQ(s.caja.AtomA.upperIndex(), 9);

    s.caja.AtomA[1].visible = true;
    atoms.Propietats_AtomsA(s, 150, 3, {0, 190, 255}, {0, 0, 255});
    atoms.Propietats_AtomsB(s, 60, 1, {255, 100, 0}, {1, 2, 3});
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(s.RadiA[k], 75);
        EXPECT_EQ(s.caja.AtomA[k].tag, '1');
        EXPECT_EQ(s.caja.AtomA[k].visible, k == 1) << "visibility is not touched";
    }
    EXPECT_EQ(s.RadiA[3], 0);
    EXPECT_EQ(s.caja.AtomB[0].tag, '2');
    EXPECT_EQ(s.RadiB[0], 30);
}

TEST(CAtom, SituacioPlacesCirclesInsideTheBoxAndProjectsThem) {
    SimulationState s;
    test::setBox(s);
    test::ScriptedRandom rnd;
    rnd.script = {0.5, 0.25, 0.0, 0.999, 0.999, 0.999};
    CAtom::crea(s.caja.Cercle, 4);
    const CAtom atoms;
    atoms.Situacio_Atoms(s, rnd, 100, 0, 1, 2, 10, 20, {1, 2, 3}, {4, 5, 6});

    EXPECT_EQ(s.PosX[1], 1450 + 10); // Int(2900 u) + CX0
    EXPECT_EQ(s.PosY[1], 725 + 20);
    EXPECT_EQ(s.caja.Cercle[1].left, s.PosX[1]); // at the front: no shift
    EXPECT_EQ(s.PosZ[2], 2897);
    const double shift = 2897.0 / 2900 * s.Persp;
    EXPECT_NEAR(s.caja.Cercle[2].left, s.PosX[2] + shift * std::cos(s.AnglePersp), 1e-2);
    EXPECT_NEAR(s.caja.Cercle[2].top, s.PosY[2] - shift * std::sin(s.AnglePersp), 1e-2);
    EXPECT_FALSE(s.caja.Cercle[3].visible);
    // Each placed circle went behind everything drawn before it.
    const auto order = s.caja.paintOrder();
    ASSERT_EQ(order.size(), 2u);
    EXPECT_EQ(order[0], &s.caja.Cercle[2]);
}

} // namespace
} // namespace tarvon
