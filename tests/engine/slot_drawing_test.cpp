#include "engine/slot_drawing.h"

#include "engine/projection.h"
#include "fakes.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace tarvon {
namespace {

class SlotDrawingTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::setBox(s);
        test::dressEightAtoms(s);
        s.FactorEnllac = 0.85f;
        s.NumA = 4; // "NH3": slots 0 and 1 are N2, 2 and 3 are H2
        s.MidaMol[0] = s.MidaMol[1] = 180;
    }
    void slot(int i, float z, float dx, float dy, float dz) {
        s.PosX[i] = 1200, s.PosY[i] = 1300, s.PosZ[i] = z;
        s.DirX[i] = dx, s.DirY[i] = dy, s.DirZ[i] = dz;
    }
    void row(int i, std::initializer_list<int> cols) {
        int c = 0;
        for (int v : cols)
            s.TaulaMol(i, c++) = static_cast<std::int16_t>(v);
    }
    SimulationState s;
};

TEST_F(SlotDrawingTest, DiatomicMoleculesLieAlongTheirDirection) {
    slot(2, 0, 1, 0, 0);
    s.RadiA[2] = 100, s.RadiB[2] = 30;
    DrawSlot(s, Reaction::HI, 2);
    EXPECT_FLOAT_EQ(s.AtomAX[2], 1200 - 0.85f * 30);
    EXPECT_FLOAT_EQ(s.AtomBX[2], s.AtomAX[2] + 0.85f * 130);
    EXPECT_FLOAT_EQ(s.caja.AtomA[2].left, s.AtomAX[2] - 100);
    EXPECT_FLOAT_EQ(s.caja.AtomB[2].top + s.caja.AtomB[2].height / 2, 1300 + s.DesplY);

    // "FeO": two O atoms 2k r apart, both brought in front of everything.
    s.caja.shpCara[0].visible = true;
    s.RadiA[0] = 60;
    row(3, {0, 4, 5});
    slot(3, 700, 1, 0, 0);
    DrawSlot(s, Reaction::FeO, 3);
    EXPECT_NEAR(s.AtomAX[5] - s.AtomAX[4], 2 * 0.85 * 60, 1e-3);
    const auto order = s.caja.paintOrder();
    EXPECT_EQ(order.back(), &s.caja.AtomA[5]);
    EXPECT_EQ(order[order.size() - 2], &s.caja.AtomA[4]);

    // An N2 along z: the second atom lies one molecule size deeper.
    row(1, {0, 2, 3});
    slot(1, 600, 0, 0, 1);
    DrawSlot(s, Reaction::NH3, 1);
    EXPECT_NEAR(s.AtomAZ[3] - s.AtomAZ[2], 0.85 * 180, 1e-3);
}

TEST_F(SlotDrawingTest, DeeperBandsEndFurtherBack) {
    s.DistEnllac = 250; // bands of 500
    s.NombreMol = 4;
    const float depth[] = {500, 0, 1400, 501}; // bands 0, none, 2, 1
    for (int i = 0; i < 4; ++i) {
        s.PosZ[i] = depth[i];
        s.caja.AtomA[i].visible = s.caja.AtomB[i].visible = true;
    }
    RestackByDepth(s);
    const auto order = s.caja.paintOrder();
    const std::vector<const AtomShape*> expected = {
        &s.caja.AtomB[2], &s.caja.AtomA[2], &s.caja.AtomB[3], &s.caja.AtomA[3],
        &s.caja.AtomB[0], &s.caja.AtomA[0], &s.caja.AtomB[1], &s.caja.AtomA[1]};
    EXPECT_EQ(order, expected);
}

TEST_F(SlotDrawingTest, AmmoniaHydrogensSitOnTheNitrogenSquareAndAreHighlightedWithIt) {
    row(0, {1, 2, 3, 4, 5});
    slot(0, 600, 0, 1, 0);
    s.caja.AtomD[0].visible = true;
    DrawSlot(s, Reaction::NH3, 0);
    const ScreenPos N = projectAtom(s, 1200, 1300, 600, 90, 180);
    AtomShape &n = s.caja.AtomA[2], &h1 = s.caja.AtomB[3], &h2 = s.caja.AtomB[4],
              &h3 = s.caja.AtomB[5];
    EXPECT_EQ(
        (std::vector<float>{n.left, n.top, h1.left, h1.top, h2.left, h2.top, h3.left, h3.top}),
        (std::vector<float>{N.left, N.top, N.left - 40, N.top, N.left + 180 - 40, N.top,
                            N.left + 90 - 40, N.top + 180 - 40}));
    EXPECT_FLOAT_EQ(h3.height, depthSize(s, 600, 40));
    EXPECT_TRUE(n.visible && h1.visible && h2.visible && h3.visible);
    EXPECT_EQ(s.caja.paintOrder()[4], &s.caja.AtomD[0]) << "all four sent to the back";

    row(2, {0, 0, 1}); // H2 of the second half
    s.meca.IdxMeca[0] = 0, s.meca.IdxMeca[1] = 2, s.meca.IdxMeca[2] = 0, s.meca.IdxMeca[3] = 0;
    HighlightCapture(s, Reaction::NH3);
    for (AtomShape* a : {&n, &h1, &h2, &h3, &s.caja.AtomB[0], &s.caja.AtomB[1]})
        EXPECT_TRUE(a->border == (Rgb{0, 255, 0}) && a->borderWidth == 2) << a->left;
    EXPECT_EQ(s.caja.AtomA[0].borderWidth, 1);
}

} // namespace
} // namespace tarvon
