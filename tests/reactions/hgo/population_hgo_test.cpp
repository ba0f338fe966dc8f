#include "engine/fakes.h"
#include "reactions/counters.h"
#include "reactions/hgo/hgo_parts.h"
#include "reactions/population_fixture.h"

#include <algorithm>
#include <vector>

namespace tarvon {
namespace {

using test::populated;

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
