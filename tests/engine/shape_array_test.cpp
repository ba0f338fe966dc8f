#include "engine/caja_shapes.h"
#include "engine/checked_list.h"

#include <gtest/gtest.h>

#include <vector>

namespace tarvon {
namespace {

// Every element 0 shown, plus AtomA(1), and the top strip hidden.
TEST(CajaStacking, ArraysStartInTheirLayersAndFrontAndBackCrossThem) {
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

    c.AtomD.bringToFront(0);
    c.AtomA.sendToBack(1);
    c.AtomB.sendToBack(0);
    const std::vector<const AtomShape*> moved = {&c.AtomB[0], &c.AtomA[1],  &c.AtomC[0],
                                                 &c.AtomA[0], &c.Cercle[0], &c.shpCara[0],
                                                 &c.AtomD[0]};
    EXPECT_EQ(c.paintOrder(), moved);

    for (long i = 2; i <= 500; ++i) // at most 501 elements
        c.AtomA.load(i);
    EXPECT_THROW(c.AtomA.load(501), IndexOutOfRange);
}

} // namespace
} // namespace tarvon
