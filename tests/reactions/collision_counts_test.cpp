#include "reactions/buidar_sistema.h"
#include "reactions/registry.h"
#include "tools/sim_run.h"

#include <gtest/gtest.h>

#include <string>

namespace tarvon {
namespace {

// Reaction events as the counters show them: two HI, one N2 or one O2 each.
long eventsSince(const SimulationState& s, const SpeciesCounters& before) {
    if (s.Reaccio->key == std::string("HI"))
        return (before.nHI - s.nHI) / 2;
    return s.Reaccio->key == std::string("NH3") ? before.nN2 - s.nN2 : before.nO2 - s.nO2;
}

TEST(CollisionCounts, EffectiveOnesAreTheReactionEventsAndARebuildStartsAgain) {
    for (const char* reaction : {"HI", "NH3", "FeO"}) {
        for (bool mechanism : {false, true}) {
            SCOPED_TRACE(std::string(reaction) + (mechanism ? " mechanism" : ""));
            SimOptions o;
            o.reaction = FindReaction(reaction);
            o.particles = 225;
            SimRun run(o, 3, ',');
            // The mechanism view holds each captured event back to the next tick.
            if (mechanism)
                run.enterMechanism();
            SimulationState& s = run.state();
            EXPECT_EQ(s.xocs.kind, reaction == std::string("FeO") ? CollisionKind::Surface
                                                                  : CollisionKind::Molecules);
            const SpeciesCounters before = s;
            for (int k = 0; k < 800; ++k)
                run.tick();
            EXPECT_EQ(run.continued() > 0, mechanism);
            EXPECT_GT(s.xocs.effective, 0);
            EXPECT_EQ(s.xocs.effective, eventsSince(s, before));
            EXPECT_GT(s.xocs.collisions, s.xocs.effective); // many meetings only bounce
            BuidarSistema(s);
            EXPECT_TRUE(s.xocs.collisions == 0 && s.xocs.effective == 0);
        }
    }
}

TEST(CollisionCounts, TimedReleasesCountNothing) {
    SimOptions o;
    o.reaction = FindReaction("HgO");
    SimRun hgo(o, 5, ',');
    hgo.run();
    EXPECT_GT(hgo.state().nHg, 0);
    EXPECT_EQ(hgo.state().xocs.kind, CollisionKind::None);
    EXPECT_EQ(hgo.state().xocs.collisions + hgo.state().xocs.effective, 0);
}

// An O2 that lands off a free pair of cells slides along the surface; it is
// one arrival however many ticks it spends there.
TEST(CollisionCounts, AnO2SlidingAlongTheSurfaceArrivesOnce) {
    SimOptions o;
    o.reaction = FindReaction("FeO");
    SimRun run(o, 9, ',');
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
