#include "reactions/population_fixture.h"

namespace tarvon {
namespace {

using test::atomInBox;
using test::bondOf;
using test::populated;

TEST(PoblacioHI, HalfOfNRoundedToEvenGivesTheMolecules) {
    for (const auto& [N, molecules] : {std::pair{49, 24}, std::pair{51, 26}}) {
        const auto s = populated("HI", N);
        EXPECT_EQ(s->NombreMol, molecules);
        EXPECT_EQ(s->caja.AtomB.upperIndex(), molecules - 1);
        EXPECT_EQ(s->txt[1], "Molècules HI: " + std::to_string(molecules));
    }
}

TEST(PoblacioHI, IodineAndHydrogenOneBondApartAlongTheSlotInsideTheBox) {
    const auto s = populated("HI", 120);
    const float k = 0.85f, rA = s->RadiA[0], rB = s->RadiB[0];
    for (int i = 0; i < s->NombreMol; ++i) {
        EXPECT_TRUE(atomInBox(*s, s->AtomAX[i], s->AtomAY[i], s->AtomAZ[i], rA)) << i;
        EXPECT_TRUE(atomInBox(*s, s->AtomBX[i], s->AtomBY[i], s->AtomBZ[i], rB)) << i;
        EXPECT_NEAR(
            bondOf(s->AtomAX, s->AtomAY, s->AtomAZ, i, s->AtomBX, s->AtomBY, s->AtomBZ, i, *s, i),
            k * (rA + rB), 0.01);
        // The slot centre lies rB·k from the iodine towards the hydrogen.
        EXPECT_NEAR(s->PosY[i], s->AtomAY[i] - rB * k * s->DirY[i], 0.01);
    }
}

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
    EXPECT_EQ(populated("NH3", 7)->NombreMol, 0);
}

TEST(PoblacioNH3, BothAtomsOfEachMoleculeOneBondApartInsideTheBox) {
    const auto s = populated("NH3", 200);
    for (int i = 0; i < s->NombreMol; ++i) {
        const bool h = i >= s->NumA / 2;
        const long a = s->TaulaMol(i, 1), b = s->TaulaMol(i, 2);
        const FloatList& X = h ? s->AtomBX : s->AtomAX;
        const FloatList& Y = h ? s->AtomBY : s->AtomAY;
        const FloatList& Z = h ? s->AtomBZ : s->AtomAZ;
        EXPECT_TRUE(atomInBox(*s, X[a], Y[a], Z[a], s->MidaMol[i] / 2)) << i;
        EXPECT_TRUE(atomInBox(*s, X[b], Y[b], Z[b], s->MidaMol[i] / 2)) << i;
        EXPECT_NEAR(bondOf(X, Y, Z, a, X, Y, Z, b, *s, i), 0.85 * s->MidaMol[i], 0.01);
    }
}

TEST(CreaPoblacio, EachSpeedEntryIsUsedOnce) {
    const auto s = populated("HI", 200);
    int used = 0;
    for (int j = 0; j < 500; ++j)
        used += s->TaulaVel[j] == 0;
    EXPECT_EQ(used, 100); // 100 slots, 100 distinct entries
}

TEST(CreaPoblacio, CountsBeyondTheListsAreClampedAndNoReactionBuildsNothing) {
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
