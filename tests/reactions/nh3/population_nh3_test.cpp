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

} // namespace
} // namespace tarvon
