#include "reactions/buidar_sistema.h"
#include "reactions/registry.h"
#include "tools/sim_run.h"

#include <gtest/gtest.h>

#include <string>

namespace tarvon {
namespace {

SimOptions optionsFor(const char* reaction, int particles, double seconds) {
    SimOptions o;
    o.reaction = FindReaction(reaction);
    o.particles = particles;
    o.duration = seconds;
    return o;
}

// The effective collisions are the reaction events the counters show: two HI
// used per event, one N2 per event, one O2 per oxidation.
TEST(CollisionCounts, EffectiveOnesMatchTheReactantsUsedAndNeverExceedTheCollisions) {
    struct Case {
        const char* reaction;
        CollisionKind kind;
        int (*used)(const SimulationState&, int before);
        int (*before)(const SimulationState&);
    };
    const Case cases[] = {
        {"HI", CollisionKind::Molecules,
         [](const SimulationState& s, int n0) { return (n0 - s.nHI) / 2; },
         [](const SimulationState& s) { return s.nHI; }},
        {"NH3", CollisionKind::Molecules,
         [](const SimulationState& s, int n0) { return n0 - s.nN2; },
         [](const SimulationState& s) { return s.nN2; }},
        {"FeO", CollisionKind::Surface, [](const SimulationState& s, int n0) { return n0 - s.nO2; },
         [](const SimulationState& s) { return s.nO2; }},
    };
    for (const Case& c : cases) {
        for (std::uint64_t seed : {3u, 17u}) {
            SCOPED_TRACE(std::string(c.reaction) + " seed " + std::to_string(seed));
            SimRun run(optionsFor(c.reaction, 225, 40), seed, ',');
            const SimulationState& s = run.state();
            EXPECT_EQ(s.xocs.kind, c.kind);
            const int before = c.before(s);
            run.run();
            EXPECT_GT(s.xocs.effective, 0);
            EXPECT_EQ(s.xocs.effective, c.used(s, before));
            // Many meetings end in a plain bounce.
            EXPECT_GT(s.xocs.collisions, s.xocs.effective);
            EXPECT_DOUBLE_EQ(s.xocs.ratio(), static_cast<double>(s.xocs.effective) /
                                                 static_cast<double>(s.xocs.collisions));
        }
    }
}

TEST(CollisionCounts, TimedReleasesCountNothingAndARebuildStartsAgain) {
    SimRun hgo(optionsFor("HgO", 225, 30), 5, ',');
    hgo.run();
    EXPECT_GT(hgo.state().nHg, 0);
    EXPECT_EQ(hgo.state().xocs.kind, CollisionKind::None);
    EXPECT_EQ(hgo.state().xocs.collisions, 0);
    EXPECT_EQ(hgo.state().xocs.effective, 0);
    EXPECT_EQ(hgo.state().xocs.ratio(), 0);

    SimRun hi(optionsFor("HI", 225, 20), 5, ',');
    hi.run();
    ASSERT_GT(hi.state().xocs.collisions, 0);
    BuidarSistema(hi.state());
    EXPECT_EQ(hi.state().xocs.collisions, 0);
    EXPECT_EQ(hi.state().xocs.effective, 0);
    EXPECT_EQ(hi.state().xocs.kind, CollisionKind::Molecules);
}

// An O2 that lands off a free pair of cells slides along the surface; it is
// one arrival however many ticks it spends there.
TEST(CollisionCounts, AnO2SlidingAlongTheSurfaceArrivesOnce) {
    SimRun run(optionsFor("FeO", 81, 60), 9, ',');
    SimulationState& s = run.state();
    long onFloorTicks = 0;
    for (long k = 0; k < run.ticksInDuration(); ++k) {
        ASSERT_TRUE(run.tick());
        for (int i = 0; i < s.NombreMol; ++i)
            onFloorTicks += s.TaulaMol.inPlay(i) && s.EnSuperficie[i] ? 1 : 0;
    }
    // Counting every tick on the floor would make the two equal.
    EXPECT_GT(s.xocs.collisions, s.xocs.effective);
    EXPECT_LT(s.xocs.collisions - s.xocs.effective, onFloorTicks);
}

} // namespace
} // namespace tarvon
