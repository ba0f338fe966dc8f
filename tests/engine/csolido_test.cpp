#include "engine/csolido.h"
#include "fakes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace tarvon {
namespace {

class CSolidoTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::setBox(s);
        s.DistEnllac = 200;
        s.Escala = 1;
        CAtom().Crea_AtomsA(s, 9);
        CAtom().Crea_AtomsB(s, 9);
        solid.setXB(500);
        solid.setYB(2500);
        solid.setZB(300);
    }
    // Slot j is a lattice site at (x, y, z), drawn against the bond length.
    void expectSite(long j, const AtomShape& shape, float x, float y, float z) const {
        EXPECT_TRUE(s.EnSolid[j] && shape.visible) << j;
        EXPECT_EQ((std::vector<float>{s.PosX[j], s.PosY[j], s.PosZ[j]}),
                  (std::vector<float>{x, y, z}));
        const float shift = z / (s.CaixaZ - s.DistEnllac) * s.Persp;
        EXPECT_NEAR(shape.left, x + shift * std::cos(s.AnglePersp), 1e-3) << j;
        EXPECT_NEAR(shape.top, y - shift * std::sin(s.AnglePersp), 1e-3) << j;
    }
    SimulationState s;
    CSolido solid;
    LatticeLayer layer{210, 165, 20, 30, 9, 1, 1, 1, 0, {}, {}, {255, 100, 0}, {}};
};

TEST_F(CSolidoTest, SingleSiteOfEachParity) {
    solid.Vibracio_Boles(s, layer); // position 0 is even: an AtomA site in slot NB0
    expectSite(9, s.caja.AtomA[0], 500, 2500, 300);
    EXPECT_FALSE(s.EnSolid[0]);
    EXPECT_FLOAT_EQ(s.caja.AtomA[0].width, 210);
    EXPECT_EQ(s.PantAX[0], s.caja.AtomA[0].left);

    layer.ps = 1; // now an AtomB site in slot 0, shifted by (dx, dy, dx)
    solid.Vibracio_Boles(s, layer);
    expectSite(0, s.caja.AtomB[0], 520, 2530, 320);
    EXPECT_EQ(s.caja.AtomB[0].fill, (Rgb{255, 100, 0}));
    EXPECT_EQ(s.PantBY[0], s.caja.AtomB[0].top);
}

TEST_F(CSolidoTest, LayerIsACheckerboardWithRowsGoingUp) {
    layer.Nx = layer.Ny = 3;
    solid.Vibracio_Boles(s, layer);
    for (int idx = 0; idx < 9; ++idx) {
        const bool kindA = idx % 2 == 0;
        EXPECT_EQ(s.caja.AtomA[idx].visible, kindA) << idx;
        EXPECT_EQ(s.caja.AtomB[idx].visible, !kindA) << idx;
        EXPECT_TRUE(s.EnSolid[kindA ? 9 + idx : idx]) << idx;
    }
    const float step = 200 * 1.93f / 2; // position 4: column 1, row 1
    expectSite(13, s.caja.AtomA[4], 500 + step, 2500 - step, 300);
    // Each site goes behind the ones placed before it.
    const auto order = s.caja.paintOrder();
    const auto at = [&](const AtomShape& shape) {
        return std::find(order.begin(), order.end(), &shape) - order.begin();
    };
    EXPECT_LT(at(s.caja.AtomA[8]), at(s.caja.AtomB[7]));
    EXPECT_LT(at(s.caja.AtomB[1]), at(s.caja.AtomA[0]));
}

} // namespace
} // namespace tarvon
