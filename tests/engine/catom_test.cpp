#include "engine/catom.h"

#include "engine/simulation_state.h"

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
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(s.RadiA[k], 75);
        EXPECT_EQ(s.caja.AtomA[k].visible, k == 1) << "visibility is not touched";
    }
    EXPECT_EQ(s.RadiA[3], 0);
}

} // namespace
} // namespace tarvon
