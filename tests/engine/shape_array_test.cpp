#include "engine/caja_shapes.h"
#include "engine/checked_list.h"

#include <gtest/gtest.h>

#include <vector>

namespace tarvon {
namespace {

// Every element 0 shown, plus AtomA(1): the stacking of a fresh box.
class CajaStacking : public ::testing::Test {
protected:
    void SetUp() override {
        c.AtomA.load(1);
        for (ShapeArray* a : {&c.AtomD, &c.AtomC, &c.AtomB, &c.AtomA, &c.Cercle, &c.shpCara})
            for (long i = 0; i <= a->upperIndex(); ++i)
                (*a)[i].visible = true;
    }
    std::vector<const AtomShape*> order() const { return c.paintOrder(); }
    CajaShapes c;
};

TEST_F(CajaStacking, ArraysStartInTheirLayersAndHiddenShapesAreNotPainted) {
    c.shpCara[1].visible = false;
    const std::vector<const AtomShape*> expected = {&c.AtomD[0],  &c.AtomC[0], &c.AtomB[0],
                                                    &c.AtomA[0],  &c.AtomA[1], &c.Cercle[0],
                                                    &c.shpCara[0]};
    EXPECT_EQ(order(), expected);
}

TEST_F(CajaStacking, FrontAndBackCrossArrays) {
    c.AtomD.bringToFront(0);
    EXPECT_EQ(order().back(), &c.AtomD[0]);
    c.shpCara.sendToBack(1);
    EXPECT_EQ(order().front(), &c.shpCara[1]);
    c.AtomA.bringToFront(1);
    c.AtomB.sendToBack(0);
    EXPECT_EQ(order().back(), &c.AtomA[1]);
    EXPECT_EQ(order().front(), &c.AtomB[0]);
    EXPECT_EQ(order()[1], &c.shpCara[1]);
}

TEST(ShapeArray, ElementZeroAlwaysExists) {
    CajaShapes c;
    c.AtomA[0].tag = '1';
    c.AtomA.load(1);
    c.AtomA.load(2);
    c.AtomA.unloadAllButFirst();
    EXPECT_EQ(c.AtomA.upperIndex(), 0);
    EXPECT_EQ(c.AtomA[0].tag, '1');
    EXPECT_THROW(c.AtomA[1], IndexOutOfRange);
    EXPECT_THROW(c.AtomA.move(-1, 0, 0), IndexOutOfRange);
    c.AtomA.load(1); // a rebuild loads again from 1
    EXPECT_EQ(c.AtomA.upperIndex(), 1);
}

TEST(ShapeArray, HoldsAtMost501Elements) {
    CajaShapes c;
    for (long i = 1; i <= 500; ++i)
        c.AtomB.load(i);
    EXPECT_THROW(c.AtomB.load(501), IndexOutOfRange);
    EXPECT_EQ(c.AtomB.upperIndex(), 500);
}

} // namespace
} // namespace tarvon
