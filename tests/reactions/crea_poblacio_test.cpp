#include "reactions/population_fixture.h"

namespace tarvon {
namespace {

using test::populated;

TEST(CreaPoblacio, EachSpeedEntryIsUsedOnce) {
    const auto s = populated("HI", 200);
    int used = 0;
    for (int j = 0; j < 500; ++j)
        used += s->TaulaVel[j] == 0;
    EXPECT_EQ(used, 100); // 100 slots, 100 distinct entries
}

TEST(CreaPoblacio, CountsFollowNWithinTheListsAndNoReactionBuildsNothing) {
    EXPECT_EQ(populated("HI", 49)->NombreMol, 24); // half of N rounded to even
    EXPECT_EQ(populated("HI", 51)->NombreMol, 26);
    EXPECT_EQ(populated("NH3", 7)->NombreMol, 0);
    EXPECT_EQ(populated("HI", 2000)->NombreMol, 501);
    EXPECT_EQ(populated("NH3", 2000)->NumB, 498);
    EXPECT_EQ(populated("HgO", 2000)->CostatSolid, 15);
    EXPECT_EQ(populated("FeO", 2000)->NombreMol, 250);
    const auto none = populated("", 100);
    EXPECT_EQ(none->NombreMol, 0);
    EXPECT_TRUE(none->llegenda.circles.empty());
}

} // namespace
} // namespace tarvon
