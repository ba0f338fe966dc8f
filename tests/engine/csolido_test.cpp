#include "engine/csolido.h"
#include "fakes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace tarvon {
namespace {

class CSolidoTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::setBox(s);
        s.DistEnllac = 200;
        s.Escala = 1;
        const CAtom atoms;
        atoms.Crea_AtomsA(s, 20);
        atoms.Crea_AtomsB(s, 20);
        solid.setXB(500);
        solid.setYB(2500);
        solid.setZB(300);
        layer.Dian = 210;
        layer.Diap = 165;
        layer.dAjustX = 20;
        layer.dAjusty = 30;
        layer.NB0 = 9;
        layer.Nx = layer.Ny = layer.Nz = 1;
        layer.fillA = {0, 190, 255};
        layer.fillB = {255, 100, 0};
    }
    // Where a lattice slot at (x, y, z) is drawn.
    float screenX(float x, float z) const {
        return x + z / (s.CaixaZ - s.DistEnllac) * s.Persp * std::cos(s.AnglePersp);
    }
    float screenY(float y, float z) const {
        return y - z / (s.CaixaZ - s.DistEnllac) * s.Persp * std::sin(s.AnglePersp);
    }
    void expectSlotAt(long j, float x, float y, float z) const {
        EXPECT_TRUE(s.EnSolid[j]) << j;
        EXPECT_FLOAT_EQ(s.PosX[j], x) << j;
        EXPECT_FLOAT_EQ(s.PosY[j], y) << j;
        EXPECT_FLOAT_EQ(s.PosZ[j], z) << j;
    }
    SimulationState s;
    CSolido solid;
    LatticeLayer layer;
    const float step = 200 * 1.93f / 2;
};

TEST_F(CSolidoTest, SingleSiteOfEachParity) {
    layer.ps = 0; // position 0 is even: an AtomA site in slot NB0
    solid.Vibracio_Boles(s, layer);
    expectSlotAt(9, 500, 2500, 300);
    EXPECT_FALSE(s.EnSolid[0]);
    const AtomShape& a = s.caja.AtomA[0];
    EXPECT_TRUE(a.visible);
    EXPECT_FLOAT_EQ(a.width, 210);
    EXPECT_NEAR(a.left, screenX(500, 300), 1e-3);
    EXPECT_NEAR(a.top, screenY(2500, 300), 1e-3);
    EXPECT_EQ(s.PantAX[0], a.left);

    layer.ps = 1; // now an AtomB site in slot 0, shifted by (dx, dy, dx)
    solid.Vibracio_Boles(s, layer);
    expectSlotAt(0, 520, 2530, 320);
    const AtomShape& b = s.caja.AtomB[0];
    EXPECT_EQ(b.fill, (Rgb{255, 100, 0}));
    EXPECT_NEAR(b.left, screenX(520, 320), 1e-3);
    EXPECT_EQ(s.PantBY[0], b.top);
}

TEST_F(CSolidoTest, LayerIsACheckerboardWithRowsGoingUp) {
    layer.Nx = layer.Ny = 3;
    layer.ps = 0;
    solid.Vibracio_Boles(s, layer);
    for (int idx = 0; idx < 9; ++idx) {
        const bool kindA = idx % 2 == 0;
        EXPECT_EQ(s.caja.AtomA[idx].visible, kindA) << idx;
        EXPECT_EQ(s.caja.AtomB[idx].visible, !kindA) << idx;
        EXPECT_TRUE(s.EnSolid[kindA ? 9 + idx : idx]) << idx;
    }
    // Position 4: column 1, row 1.
    EXPECT_NEAR(s.PosX[13], 500 + step, 1e-3);
    EXPECT_NEAR(s.PosY[13], 2500 - step, 1e-3);
    // Each site goes behind the ones placed before it.
    const auto order = s.caja.paintOrder();
    const auto at = [&](const AtomShape& shape) {
        return std::find(order.begin(), order.end(), &shape) - order.begin();
    };
    EXPECT_LT(at(s.caja.AtomA[8]), at(s.caja.AtomB[7]));
    EXPECT_LT(at(s.caja.AtomB[1]), at(s.caja.AtomA[0]));
}

TEST_F(CSolidoTest, TwoLayersOfOppositeParityUseEachIndexOnce) {
    layer.Nx = layer.Nz = 3;
    for (int ps = 0; ps <= 1; ++ps) {
        layer.ps = ps;
        solid.Vibracio_Boles(s, layer);
    }
    for (int k = 0; k < 18; ++k)
        EXPECT_TRUE(s.EnSolid[k]) << k;
    EXPECT_FALSE(s.EnSolid[18]);
    EXPECT_NEAR(s.PosZ[9 + 4], 300 + step, 1e-3); // position 4 is one step deep

    layer.Nx = layer.Ny = 23; // 529 positions: past the lists
    EXPECT_THROW(solid.Vibracio_Boles(s, layer), IndexOutOfRange);
}

TEST_F(CSolidoTest, CreaBolesMarksTheNewCirclesSolid) {
    solid.Crea_Boles(s, 3);
    solid.Crea_Boles(s, 2);
    EXPECT_EQ(s.caja.Cercle.upperIndex(), 4);
    for (int k = 0; k < 6; ++k)
        EXPECT_EQ(s.EnSolid[k], k < 5) << k;
}

} // namespace
} // namespace tarvon
