#include "reactions/population_fixture.h"

namespace tarvon {
namespace {

using test::populated;

TEST(PoblacioNH3, HundredParticlesGiveTwelveN2AndThirtySixH2) {
    const auto s = populated("NH3", 100);
    EXPECT_EQ(s->NumB, 72);
    EXPECT_EQ(s->NombreMol, 48);
    EXPECT_EQ(s->nN2, 12);
    EXPECT_EQ(s->nH2, 36);
    // N2 slots name A atoms 2i, 2i + 1; H2 slots B atoms 2i - NumA, 2i - NumA + 1.
    const int rows[4][3] = {{0, 0, 1}, {11, 22, 23}, {12, 0, 1}, {47, 70, 71}};
    for (const auto& row : rows) {
        EXPECT_EQ(s->TaulaMol(row[0], 1), row[1]);
        EXPECT_EQ(s->TaulaMol(row[0], 2), row[2]);
    }
}

// Iodine rB·k behind the slot centre, hydrogen one bond further along the slot.
TEST(PoblacioHI, IodineAndHydrogenOneBondApartAlongTheSlot) {
    const auto s = populated("HI", 120);
    const float k = 0.85f, rB = s->RadiB[0], bond = k * (s->RadiA[0] + rB);
    for (int i = 0; i < s->NombreMol; ++i) {
        EXPECT_NEAR(s->AtomAY[i] - s->PosY[i], rB * k * s->DirY[i], 0.01) << i;
        EXPECT_NEAR(s->AtomBX[i] - s->AtomAX[i], bond * s->DirX[i], 0.01) << i;
        EXPECT_NEAR(s->AtomBZ[i] - s->AtomAZ[i], bond * s->DirZ[i], 0.01) << i;
    }
}

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
