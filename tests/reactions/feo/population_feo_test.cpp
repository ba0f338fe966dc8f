#include "reactions/population_fixture.h"

#include <cmath>

namespace tarvon {
namespace {

constexpr float kDFe = 1.16f * 150;

std::unique_ptr<SimulationState> ironBox(float diametersWide, int NPUs = 80) {
    auto s = test::stateFor("FeO", 100);
    s->CaixaX = diametersWide * kDFe + 1;
    s->NPUs = NPUs;
    MersenneRandom rnd;
    Crea_Poblacio(*s, rnd, 5);
    return s;
}

TEST(PoblacioFeO, TheIronSideIsTheOddWidthInDiametersAtMost21) {
    EXPECT_EQ(ironBox(22)->CostatSolid, 21);
    EXPECT_EQ(ironBox(20)->CostatSolid, 19);
    EXPECT_EQ(ironBox(19)->CostatSolid, 19);
    EXPECT_EQ(ironBox(30)->NumB, 441);
}

TEST(PoblacioFeO, OxygenFollowsTheBudget) {
    const auto s = ironBox(20, 61);
    EXPECT_EQ(s->NombreMol, 30);
    EXPECT_EQ(s->NumA, 60);
    for (int i = 0; i < 30; ++i)
        EXPECT_EQ(s->TaulaMol(i, 2), 30 + i);
}

TEST(PoblacioFeO, IronRowsArePlacedFromTheLayerReferenceAndStackedByDepth) {
    const auto s = ironBox(20);
    EXPECT_FLOAT_EQ(s->capa.left, (s->CaixaX - 19 * kDFe) / 2 + kDFe / 4 + s->OrigenX);
    const int m = 19 * 2 + 5; // row 2, column 5
    EXPECT_NEAR(s->FerroX[m], 5 * kDFe + s->capa.left, 0.01);
    EXPECT_NEAR(s->FerroZ[m], 2 * kDFe * 0.965f + s->capa.depth, 0.01);
    const double shift = s->FerroZ[m] / (s->CaixaZ - kDFe) * s->Persp;
    EXPECT_NEAR(s->caja.AtomB[m].top, s->capa.height - shift * std::sin(s->AnglePersp), 0.01);
    for (int k = 1; k < 361; ++k)
        EXPECT_GT(s->caja.AtomB[k].stackKey, s->caja.AtomB[k - 1].stackKey);
}

} // namespace
} // namespace tarvon
