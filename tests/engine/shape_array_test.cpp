#include "engine/caja_shapes.h"
#include "engine/checked_list.h"

#include <gtest/gtest.h>

#include <vector>

namespace tarvon {
namespace {

// Front and back across arrays are exercised by the lattice and drawing tests.
TEST(CajaStacking, ArraysStartInTheirLayersAndHoldAtMost501Shapes) {
    CajaShapes c;
    c.AtomA.load(1);
    for (ShapeArray* a : {&c.AtomD, &c.AtomC, &c.AtomB, &c.AtomA, &c.Cercle, &c.shpCara})
        for (long i = 0; i <= a->upperIndex(); ++i)
            (*a)[i].visible = true;
    c.shpCara[1].visible = false;
    const std::vector<const AtomShape*> fresh = {&c.AtomD[0],  &c.AtomC[0], &c.AtomB[0],
                                                 &c.AtomA[0],  &c.AtomA[1], &c.Cercle[0],
                                                 &c.shpCara[0]};
    EXPECT_EQ(c.paintOrder(), fresh);
    for (long i = 2; i <= 500; ++i)
        c.AtomA.load(i);
    EXPECT_THROW(c.AtomA.load(501), IndexOutOfRange);
}

} // namespace
} // namespace tarvon
