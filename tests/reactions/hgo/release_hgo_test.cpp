#include "reactions/counters.h"
#include "reactions/hgo/release_hgo.h"

#include "engine/animation_step.h"
#include "reactions/population_fixture.h"
#include "reactions/reaction_fixtures.h"

#include <algorithm>

namespace tarvon {
namespace {

// The block of 100 particles: pair k (mercury slots k, k + 1, O2 slot m) goes
// first, the pair after it next.
class ReleaseHgOTest : public ::testing::Test {
protected:
    int tickAt(double t) {
        clock.t = t;
        step.tick();
        return s.nHg;
    }

    std::unique_ptr<SimulationState> owner = test::populated("HgO", 100);
    SimulationState& s = *owner;
    const int k = s.OrdreParells[0], m = s.NumB + k / 2, nextO2 = s.NumB + s.OrdreParells[1] / 2;
    test::FakeClock clock;
    MersenneRandom rnd{3};
    test::CountingRules rules{clock, rnd};
    AnimationStep step{s, clock, rnd, rules};
};

TEST_F(ReleaseHgOTest, APairLeavesAsTwoMercuryAtomsAndOneOxygenMolecule) {
    const float vy = s.VelY[m];
    ReleaseHgO(s, clock);
    EXPECT_FALSE(s.EnSolid[k] || s.EnSolid[k + 1] || s.EnSolid[m]);
    EXPECT_TRUE(s.EnSolid[nextO2] && s.EnSolid[s.OrdreParells[1]]);
    EXPECT_EQ(s.caja.AtomB[k + 1].fill, kMetalFill);
    EXPECT_EQ(s.caja.AtomA[k].fill, ColorsEspecie(5));
    EXPECT_FLOAT_EQ(s.VelY[m], -std::fabs(vy) - 0.1f * s.DistEnllac)
        << "upwards, a tenth of a bond faster";
    // The O2 between the two mercury slots, drawn from its atoms' radii and its size.
    EXPECT_FLOAT_EQ(s.PosX[m], (s.PosX[k] + s.PosX[k + 1]) / 2);
    EXPECT_EQ((std::vector<float>{s.RadiA[k], s.RadiA[k + 1], s.MidaMol[m]}),
              (std::vector<float>{55.5f, 55.5f, 111}));
    EXPECT_EQ(s.nO2, 1);
    EXPECT_EQ(Comptadors(s).at(3).value, 2);
    EXPECT_FALSE(s.meca.MecaCapturat);
}

TEST_F(ReleaseHgOTest, WithTheMechanismRequestedEveryReleaseIsCapturedEveryThreeSeconds) {
    s.meca.MecaDemanat = true;
    EXPECT_EQ(tickAt(2.9), 0);
    EXPECT_EQ(tickAt(3.0), 2);
    EXPECT_TRUE(s.meca.MecaCapturat);
    EXPECT_EQ(rules.shown, 1) << "shown at the end of the tick";
    EXPECT_TRUE(s.meca.IdxMeca[1] == k + 1 && s.meca.IdxMeca[2] == k);
    EXPECT_FLOAT_EQ(s.meca.FotoMeca[0].width, 210) << "photographed before the release";
    s.meca.MecaCapturat = false;
    EXPECT_EQ(tickAt(5.9), 2);
    EXPECT_EQ(tickAt(6.0), 4);
    EXPECT_FALSE(s.EnSolid[nextO2]);
}

// Slots from NumB on wait for the O2 molecules: while still solid they hold the
// hidden last mercury site or an oxide site. A released atom put right beside
// one passes it by, and bounces off a mercury site of the block.
TEST_F(ReleaseHgOTest, OnlyMercurySitesStandInTheWayOfAReleasedAtom) {
    ReleaseHgO(s, clock);
    test::RecordingHooks recorded;
    AnimationStep recordingStep{s, clock, rnd, recorded};
    const int hiddenSite = s.NumB, mercurySite = s.OrdreParells[1];
    ASSERT_EQ(s.CostatSolid * s.CostatSolid, s.NumB + 1) << "oxide sites from slot NumB + 1 on";
    for (const int site : {hiddenSite, nextO2, mercurySite}) {
        ASSERT_TRUE(s.EnSolid[site]) << site;
        recorded.xocs.clear();
        // 30 twips off the site, within the contact length 108, and farther than
        // that from every other site.
        test::placeSlot(s, k, s.PosX[site] + 30, s.PosY[site], s.PosZ[site]);
        recordingStep.tick();
        const bool met = std::ranges::count(recorded.xocs, std::pair{k, site}) == 1;
        EXPECT_EQ(met, site == mercurySite) << "site " << site;
    }
}

} // namespace
} // namespace tarvon
