#include "reactions/population_fixture.h"

#include <set>

namespace tarvon {
namespace {

using test::atomInBox;
using test::distance;
using test::populated;

TEST(PoblacioHI, HalfOfNRoundedToEvenGivesTheMolecules) {
    for (const auto& [N, molecules] : {std::pair{49, 24}, std::pair{51, 26}}) {
        const auto s = populated("HI", N);
        EXPECT_EQ(s->NombreMol, molecules);
        EXPECT_EQ(s->NumA, molecules);
        EXPECT_EQ(s->NumB, molecules);
        EXPECT_EQ(s->caja.AtomA.upperIndex(), molecules - 1);
        EXPECT_EQ(s->caja.AtomB.upperIndex(), molecules - 1);
        EXPECT_EQ(s->nHI, molecules);
        EXPECT_EQ(s->txt[1], "Molècules HI: " + std::to_string(molecules));
        EXPECT_EQ(s->txt[3], "Molècules iode: 0");
    }
}

TEST(PoblacioHI, IodineAndHydrogenOneBondApartAlongTheSlotInsideTheBox) {
    const auto s = populated("HI", 120);
    const float k = 0.85f, rA = 1.33f * 150 / 2, rB = 0.37f * 150 / 2;
    EXPECT_FLOAT_EQ(s->RadiA[5], rA);
    EXPECT_EQ(s->caja.AtomA[5].fill, (Rgb{0, 190, 255}));
    EXPECT_EQ(s->caja.AtomB[5].tag, '2');
    for (int i = 0; i < s->NombreMol; ++i) {
        const float ax = s->AtomAX[i], ay = s->AtomAY[i], az = s->AtomAZ[i];
        EXPECT_TRUE(atomInBox(*s, ax, ay, az, rA)) << "iodine " << i;
        EXPECT_TRUE(atomInBox(*s, s->AtomBX[i], s->AtomBY[i], s->AtomBZ[i], rB)) << i;
        EXPECT_NEAR(distance(ax, ay, az, s->AtomBX[i], s->AtomBY[i], s->AtomBZ[i]),
                    k * (rA + rB) * std::hypot(s->DirX[i], s->DirY[i], s->DirZ[i]), 0.01);
        // The slot centre lies rB·k from the iodine towards the hydrogen.
        EXPECT_NEAR(s->PosX[i], ax + rB * k * s->DirX[i], 0.01);
        EXPECT_NEAR(s->PosY[i], ay - rB * k * s->DirY[i], 0.01);
        EXPECT_NEAR(s->PosZ[i], az + rB * k * s->DirZ[i], 0.01);
        EXPECT_NE(s->VelX[i] * s->VelX[i] + s->VelY[i] * s->VelY[i], 0);
    }
}

TEST(PoblacioNH3, HundredParticlesGiveTwelveN2AndThirtySixH2) {
    const auto s = populated("NH3", 100);
    EXPECT_EQ(s->NumA, 24);
    EXPECT_EQ(s->NumB, 72);
    EXPECT_EQ(s->NombreMol, 48);
    EXPECT_EQ(s->nN2, 12);
    EXPECT_EQ(s->nH2, 36);
    EXPECT_EQ(s->nNH3, 0);
    EXPECT_EQ(s->txt[0], "Molècules presents: 48");
    EXPECT_EQ(s->caja.AtomB.upperIndex(), 71);

    // N2 rows name A atoms 2i, 2i + 1; H2 rows B atoms from 0, each atom once.
    std::set<int> nitrogen, hydrogen;
    for (int i = 0; i < 48; ++i) {
        EXPECT_EQ(s->TaulaMol(i, 0), 0);
        EXPECT_EQ(s->TaulaMol(i, 2), s->TaulaMol(i, 1) + 1);
        auto& used = i < 12 ? nitrogen : hydrogen;
        used.insert(s->TaulaMol(i, 1));
        used.insert(s->TaulaMol(i, 2));
        EXPECT_FLOAT_EQ(s->MidaMol[i], i < 12 ? 0.74f * 150 : 0.37f * 150) << i;
    }
    EXPECT_EQ(s->TaulaMol(11, 1), 22);
    EXPECT_EQ(s->TaulaMol(12, 1), 0);
    EXPECT_EQ(s->TaulaMol(47, 2), 71);
    EXPECT_EQ(nitrogen.size(), 24u);
    EXPECT_EQ(*nitrogen.rbegin(), 23);
    EXPECT_EQ(hydrogen.size(), 72u);
    EXPECT_EQ(*hydrogen.rbegin(), 71);
}

TEST(PoblacioNH3, BothAtomsOfEachMoleculeOneBondApartInsideTheBox) {
    const auto s = populated("NH3", 200);
    for (int i = 0; i < s->NombreMol; ++i) {
        const bool h = i >= s->NumA / 2;
        const long a = s->TaulaMol(i, 1), b = s->TaulaMol(i, 2);
        const FloatList& X = h ? s->AtomBX : s->AtomAX;
        const FloatList& Y = h ? s->AtomBY : s->AtomAY;
        const FloatList& Z = h ? s->AtomBZ : s->AtomAZ;
        const float r = s->MidaMol[i] / 2;
        EXPECT_TRUE(atomInBox(*s, X[a], Y[a], Z[a], r)) << i;
        EXPECT_TRUE(atomInBox(*s, X[b], Y[b], Z[b], r)) << i;
        EXPECT_NEAR(distance(X[a], Y[a], Z[a], X[b], Y[b], Z[b]),
                    0.85 * 2 * r * std::hypot(s->DirX[i], s->DirY[i], s->DirZ[i]), 0.01);
    }
}

TEST(PoblacioNH3, BelowEightParticlesNothingIsBuilt) {
    const auto s = populated("NH3", 7);
    EXPECT_EQ(s->NombreMol, 0);
    EXPECT_EQ(s->caja.AtomA.upperIndex(), 0);
    EXPECT_EQ(s->txt[0], "Molècules presents: 0");
}

TEST(CreaPoblacio, SeedsDecideTheLayoutAndEachSpeedEntryIsUsedOnce) {
    const auto a = populated("HI", 200, 1), b = populated("HI", 200, 2),
               c = populated("HI", 200, 1);
    int differ = 0;
    for (int i = 0; i < 100; ++i) {
        differ += a->PosX[i] != b->PosX[i] || a->VelY[i] != b->VelY[i];
        EXPECT_EQ(a->PosX[i], c->PosX[i]);
        EXPECT_EQ(a->VelY[i], c->VelY[i]);
    }
    EXPECT_GT(differ, 90);
    // 100 slots, 100 distinct entries used up.
    int used = 0;
    for (int j = 0; j < 500; ++j)
        used += a->TaulaVel[j] == 0;
    EXPECT_EQ(used, 100);
}

TEST(CreaPoblacio, AnUnknownReactionBuildsNothingAndClearsTheLegend) {
    auto s = test::stateFor("", 100);
    s->llegenda.circles.resize(2);
    s->txt[0] = "before";
    MersenneRandom rnd;
    Crea_Poblacio(*s, rnd, 3);
    EXPECT_EQ(s->NombreMol, 0);
    EXPECT_EQ(s->txt[0], "before");
    EXPECT_TRUE(s->llegenda.circles.empty());
}

TEST(CreaPoblacio, CountsBeyondTheListsAreClampedToWhatFits) {
    auto hi = populated("HI", 2000);
    EXPECT_EQ(hi->NombreMol, 501);
    auto nh3 = populated("NH3", 2000);
    EXPECT_EQ(nh3->NumA, 166);
    EXPECT_EQ(nh3->NumB, 498);
    auto hgo = populated("HgO", 2000);
    EXPECT_EQ(hgo->CostatSolid, 15);
    auto feo = test::stateFor("FeO", 2000);
    MersenneRandom rnd;
    Crea_Poblacio(*feo, rnd, 1);
    EXPECT_EQ(feo->NombreMol, 250);
}

} // namespace
} // namespace tarvon
