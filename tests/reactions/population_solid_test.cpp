#include "engine/fakes.h"
#include "reactions/counters.h"
#include "reactions/population_fixture.h"
#include "reactions/populations.h"

#include <algorithm>
#include <vector>

namespace tarvon {
namespace {

using test::populated;

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

TEST(PoblacioHgO, HundredParticlesGiveANineByNineBlockWithOneSiteHidden) {
    const auto s = populated("HgO", 100);
    EXPECT_EQ(s->caja.AtomA.upperIndex(), 80);
    EXPECT_FALSE(s->caja.AtomA[80].visible || s->caja.AtomB[80].visible);
    EXPECT_TRUE(s->caja.AtomA[79].visible && s->caja.AtomB[79].visible);
    EXPECT_EQ(s->NombreMol, 120);
    EXPECT_EQ(Comptadors(*s).at(1).value, 80);
    // Oxide sites take slots 81 ... 161: every slot in use waits in the solid.
    EXPECT_TRUE(s->EnSolid[0] && s->EnSolid[161]);
    EXPECT_FALSE(s->EnSolid[162]);
    // Every pair is released once.
    std::vector<int> order(s->OrdreParells.data(), s->OrdreParells.data() + 40);
    std::sort(order.begin(), order.end());
    EXPECT_EQ(order, std::vector<int>(s->Parells.data(), s->Parells.data() + 40));
    // An even side grows by one, an odd one by two.
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
    // k = 0 swaps entries 2 and 0; then 1 and 2 * 0.5 = 1; then 0 and 0.
    EXPECT_EQ(std::vector<int>(s->OrdreParells.data(), s->OrdreParells.data() + 4),
              (std::vector<int>{4, 2, 0, 0}));
}

} // namespace
} // namespace tarvon
