#include "reactions/hi/hi.h"
#include "reactions/population_fixture.h"

namespace tarvon {
namespace {

TEST(BuidarSistema, ClearsThePreviousPopulationSoTheNextStartsClean) {
    auto s = test::populated("HgO", 100);
    s->TaulaMol(250, 4) = 9;
    s->CellesOxid[7] = 3;
    s->NumCellesOxid = 1;
    BuidarSistema(*s);
    EXPECT_EQ(s->caja.AtomA.upperIndex() + s->caja.AtomB.upperIndex(), 0);
    EXPECT_EQ(s->TaulaMol(250, 4), 0);
    EXPECT_EQ(s->CellesOxid[7], kNoCell);
    EXPECT_EQ(s->NumCellesOxid, 0);

    // The lattice slots of "HgO" must move in the gas reaction built next.
    UseReaction(*s, &kHI);
    MersenneRandom rnd;
    Crea_Poblacio(*s, rnd, 4);
    for (int i = 0; i < s->NombreMol; ++i)
        ASSERT_FALSE(s->EnSolid[i]) << i;
}

} // namespace
} // namespace tarvon
