#include "engine/catom.h"

#include "fakes.h"

#include <gtest/gtest.h>

namespace tarvon {
namespace {

TEST(CAtomCrea, ExtendsTheArrayAfterItsUpperIndex) {
    SimulationState s;
    const CAtom atoms;
    atoms.Crea_AtomsA(s, 0);
    EXPECT_EQ(s.caja.AtomA.upperIndex(), 0);

    atoms.Crea_AtomsA(s, 5);
    EXPECT_EQ(s.caja.AtomA.upperIndex(), 4);
    atoms.Crea_AtomsA(s, 5); // finds upper index 4, creates 5 ... 9
    EXPECT_EQ(s.caja.AtomA.upperIndex(), 9);
    EXPECT_EQ(s.caja.AtomB.upperIndex(), 0);
}

TEST(CAtomPropietats, DressesTheFirstNumShapesOnly) {
    SimulationState s;
    const CAtom atoms;
    atoms.Crea_AtomsA(s, 4);
    atoms.Crea_AtomsB(s, 4);
    s.caja.AtomA[1].visible = true;
    atoms.Propietats_AtomsA(s, 150, 3, {0, 190, 255}, {0, 0, 255});
    atoms.Propietats_AtomsB(s, 60, 2, {255, 100, 0}, {1, 2, 3});

    for (int k = 0; k < 3; ++k) {
        const AtomShape& a = s.caja.AtomA[k];
        EXPECT_EQ(a.width, 150);
        EXPECT_EQ(a.height, 150);
        EXPECT_EQ(s.RadiA[k], 75);
        EXPECT_EQ(a.tag, '1');
        EXPECT_EQ(a.borderWidth, 1);
        EXPECT_EQ(a.fill, (Rgb{0, 190, 255}));
        EXPECT_EQ(a.border, (Rgb{0, 0, 255}));
        EXPECT_EQ(a.visible, k == 1) << "visibility is not touched";
    }
    EXPECT_EQ(s.caja.AtomA[3].tag, 0);
    EXPECT_EQ(s.RadiA[3], 0);

    EXPECT_EQ(s.caja.AtomB[1].tag, '2');
    EXPECT_EQ(s.caja.AtomB[1].border, (Rgb{1, 2, 3}));
    EXPECT_EQ(s.RadiB[1], 30);
    EXPECT_EQ(s.RadiB[2], 0);
}

TEST(CAtomSituacio, PlacesCirclesInsideTheBoxAndProjectsThem) {
    SimulationState s;
    test::setBox(s);
    test::ScriptedRandom rnd;
    rnd.script = {0.5, 0.25, 0.0, 0.999, 0.999, 0.999};
    CAtom::crea(s.caja.Cercle, 4);
    s.caja.Cercle[0].visible = true;
    const CAtom atoms;
    atoms.Situacio_Atoms(s, rnd, 100, 0, 1, 2, 10, 20, {1, 2, 3}, {4, 5, 6});

    EXPECT_EQ(s.PosX[1], 1450 + 10); // Int(2900 u) + CX0
    EXPECT_EQ(s.PosY[1], 725 + 20);
    EXPECT_EQ(s.PosZ[1], 0);
    EXPECT_EQ(s.caja.Cercle[1].left, s.PosX[1]); // at the front: no shift
    EXPECT_EQ(s.PosZ[2], 2897);
    EXPECT_LT(s.PosX[2] + 100, s.CaixaX + 10 + 1);
    const double shift = 2897.0 / 2900 * s.Persp;
    EXPECT_NEAR(s.caja.Cercle[2].left, s.PosX[2] + shift * std::cos(s.AnglePersp), 1e-2);
    EXPECT_NEAR(s.caja.Cercle[2].top, s.PosY[2] - shift * std::sin(s.AnglePersp), 1e-2);
    EXPECT_EQ(s.caja.Cercle[2].width, 100);
    EXPECT_EQ(s.caja.Cercle[2].fill, (Rgb{1, 2, 3}));
    EXPECT_FALSE(s.caja.Cercle[3].visible);
    // Each placed circle went behind everything drawn before it.
    const auto order = s.caja.paintOrder();
    ASSERT_EQ(order.size(), 3u);
    EXPECT_EQ(order[0], &s.caja.Cercle[2]);
    EXPECT_EQ(order[1], &s.caja.Cercle[1]);
}

} // namespace
} // namespace tarvon
