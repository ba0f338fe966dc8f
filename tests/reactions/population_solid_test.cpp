#include "engine/fakes.h"
#include "reactions/population_fixture.h"
#include "reactions/populations.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace tarvon {
namespace {

using test::populated;
using test::stateFor;

constexpr float kD0 = 150;

std::unique_ptr<SimulationState> ironBox(float diametersWide, int NPUs = 80) {
    auto s = stateFor("FeO", 100);
    s->CaixaX = diametersWide * 1.16f * kD0 + 1;
    s->NPUs = NPUs;
    MersenneRandom rnd;
    Crea_Poblacio(*s, rnd, 5);
    return s;
}

TEST(PoblacioFeO, TheIronSideIsTheOddWidthInDiametersAtMost21) {
    EXPECT_EQ(ironBox(22)->CostatSolid, 21);
    EXPECT_EQ(ironBox(20)->CostatSolid, 19);
    EXPECT_EQ(ironBox(19)->CostatSolid, 19);
    const auto wide = ironBox(30);
    EXPECT_EQ(wide->CostatSolid, 21);
    EXPECT_EQ(wide->NumB, 441);
    EXPECT_EQ(wide->caja.AtomB.upperIndex(), 440);
}

TEST(PoblacioFeO, OxygenFollowsTheBudgetNotTheParticleSetting) {
    const auto s = ironBox(20, 61);
    EXPECT_EQ(s->NombreMol, 30);
    EXPECT_EQ(s->NumA, 60);
    EXPECT_EQ(s->nO2, 30);
    EXPECT_EQ(s->txt[0], "Molèc. oxigen inicials: 30");
    for (int i = 0; i < 30; ++i) {
        EXPECT_EQ(s->TaulaMol(i, 1), i);
        EXPECT_EQ(s->TaulaMol(i, 2), 30 + i);
    }
}

TEST(PoblacioFeO, OxygenAtomsOneRadiusApartAndTheCentreAwayFromTheWalls) {
    const auto s = ironBox(20, 200);
    const float rO = 0.74f * kD0 / 2, k = 0.9f;
    EXPECT_EQ(s->caja.AtomA[3].fill, (Rgb{0, 60, 255}));
    for (int i = 0; i < s->NombreMol; ++i) {
        const int j = s->NombreMol + i;
        EXPECT_NEAR(test::distance(s->AtomAX[i], s->AtomAY[i], s->AtomAZ[i], s->AtomAX[j],
                                   s->AtomAY[j], s->AtomAZ[j]),
                    k * rO * std::hypot(s->DirX[i], s->DirY[i], s->DirZ[i]), 0.01);
        EXPECT_GE(s->PosX[i], s->OrigenX + 2 * rO);
        EXPECT_LE(s->PosX[i], s->OrigenX + s->CaixaX - 2 * rO);
        EXPECT_GE(s->PosY[i], s->OrigenY + 2 * rO);
        EXPECT_LE(s->PosY[i], s->OrigenY + s->CaixaY - 2 * rO);
        EXPECT_EQ(s->PosZ[i], std::floor(s->PosZ[i]));
        EXPECT_LT(s->PosZ[i], s->CaixaZ - 4 * rO);
    }
}

TEST(PoblacioFeO, IronRowsArePlacedFromTheLayerReferenceAndStackedByDepth) {
    const auto s = ironBox(20);
    const float dFe = 1.16f * kD0, n = 19;
    const float margin = s->CaixaX - n * dFe;
    EXPECT_FLOAT_EQ(s->capa.left, margin / 2 + dFe / 4 + s->OrigenX);
    EXPECT_FLOAT_EQ(s->capa.height, s->DesplY + s->OrigenY + s->CaixaY - dFe);
    EXPECT_FLOAT_EQ(s->capa.depth, margin / 4);
    EXPECT_FLOAT_EQ(s->PasOxid, 1.12f * kD0);
    const int m = 19 * 2 + 5; // row 2, column 5
    EXPECT_NEAR(s->FerroX[m], 5 * dFe + s->capa.left, 0.01);
    EXPECT_NEAR(s->FerroZ[m], 2 * dFe * 0.965f + s->capa.depth, 0.01);
    const double shift = s->FerroZ[m] / (s->CaixaZ - dFe) * s->Persp;
    const AtomShape& shape = s->caja.AtomB[m];
    EXPECT_NEAR(shape.left, s->FerroX[m] + shift * std::cos(s->AnglePersp), 0.01);
    EXPECT_NEAR(shape.top, s->capa.height - shift * std::sin(s->AnglePersp), 0.01);
    EXPECT_FLOAT_EQ(shape.width, 0.965f * dFe);
    EXPECT_EQ(shape.border, (Rgb{90, 90, 90}));
    EXPECT_EQ(shape.tag, '2');
    EXPECT_TRUE(shape.visible);
    for (int k = 1; k < 361; ++k)
        EXPECT_GT(s->caja.AtomB[k].stackKey, s->caja.AtomB[k - 1].stackKey);
}

TEST(PoblacioHgO, HundredParticlesGiveANineByNineBlockWithOneSiteHidden) {
    const auto s = populated("HgO", 100);
    EXPECT_EQ(s->CostatSolid, 9);
    EXPECT_EQ(s->caja.AtomA.upperIndex(), 80);
    EXPECT_EQ(s->caja.AtomB.upperIndex(), 80);
    EXPECT_FALSE(s->caja.AtomA[80].visible);
    EXPECT_FALSE(s->caja.AtomB[80].visible);
    for (int k = 0; k < 80; ++k)
        ASSERT_TRUE(s->caja.AtomA[k].visible && s->caja.AtomB[k].visible) << k;
    EXPECT_EQ(s->NumA, 80);
    EXPECT_EQ(s->NumB, 80);
    EXPECT_EQ(s->NombreMol, 120);
    EXPECT_FLOAT_EQ(s->DistEnllac, (1.4f + 1.1f) * kD0 / 2);
    EXPECT_FLOAT_EQ(s->RadiA[0], 0.7f * kD0);
    EXPECT_EQ(s->txt[0], "Òxid mercúric(HgO) inicial: 80");
    EXPECT_EQ(s->txt[1], "Òxid mercúric(HgO) present: 80");
    EXPECT_EQ(s->txt[2], "Molècules oxígen (gas): 0");
    // Oxide sites take slots 81 ... 161; every slot in use waits in the solid.
    for (int i = 0; i <= 161; ++i)
        ASSERT_TRUE(s->EnSolid[i]) << i;
    EXPECT_FALSE(s->EnSolid[162]);
    for (int i = 0; i < 120; ++i)
        ASSERT_NE(std::abs(s->VelX[i]) + std::abs(s->VelY[i]) + std::abs(s->VelZ[i]), 0) << i;
}

TEST(PoblacioHgO, PairsListEvenIndicesAndTheirOrderIsAPermutation) {
    const auto s = populated("HgO", 100);
    std::vector<int> order;
    for (int j = 0; j < 40; ++j) {
        EXPECT_EQ(s->Parells[j], 2 * j);
        order.push_back(s->OrdreParells[j]);
    }
    EXPECT_EQ(s->OrdreParells[40], 0);
    const std::vector<int> shuffled = order;
    std::sort(order.begin(), order.end());
    for (int j = 0; j < 40; ++j)
        EXPECT_EQ(order[j], 2 * j);
    EXPECT_NE(shuffled, order);
}

TEST(PoblacioHgO, AnEvenSideGrowsByOneAndAnOddOneByTwo) {
    EXPECT_EQ(populated("HgO", 72)->CostatSolid, 7); // sqrt 36 = 6
    EXPECT_EQ(populated("HgO", 98)->CostatSolid, 9); // sqrt 49 = 7
}

TEST(BarrejaParells, SwapsFromTheEndWithTheDrawnEntry) {
    auto s = std::make_unique<SimulationState>();
    for (int j = 0; j < 4; ++j)
        s->Parells[j] = static_cast<std::int16_t>(2 * j);
    test::ScriptedRandom rnd;
    rnd.script = {0.0, 0.5, 0.0};
    Barreja_Parells(*s, rnd, 3);
    // k = 0: swap 2 and 0; k = 1: j = 1, swap 1 with itself; k = 2: swap 0 with 0.
    EXPECT_EQ(s->OrdreParells[0], 4);
    EXPECT_EQ(s->OrdreParells[1], 2);
    EXPECT_EQ(s->OrdreParells[2], 0);
    EXPECT_EQ(s->OrdreParells[3], 0);
    EXPECT_EQ(rnd.draws, 3);
}

} // namespace
} // namespace tarvon
