#include "engine/catom.h"

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

} // namespace
} // namespace tarvon
