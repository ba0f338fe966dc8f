// Built only with TARVON_TICK_CHECKS: every tick checks its invariants and a
// broken one abandons the tick, loudly.
#include "engine/animation_step.h"
#include "engine/tick_invariants.h"
#include "reactions/registry.h"
#include "tools/sim_run.h"

#include "fakes.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace tarvon {
namespace {

SimOptions optionsFor(const char* reaction) {
    SimOptions o;
    o.reaction = FindReaction(reaction);
    o.particles = 100;
    return o;
}

// The runner, like the window, goes on after an abandoned tick; the reason is
// kept and written to stderr.
TEST(TickChecks, ACounterThatBreaksItsReactionAbandonsTheNextTick) {
    for (const char* reaction : {"FeO", "NH3", "HI", "HgO"}) {
        SimRun run(optionsFor(reaction), 3, ',');
        ASSERT_TRUE(run.tick()) << reaction << ": " << run.tickError();
        ++run.state().nO2;
        ++run.state().nH2;
        testing::internal::CaptureStderr();
        EXPECT_FALSE(run.tick()) << reaction;
        const std::string err = testing::internal::GetCapturedStderr();
        EXPECT_NE(run.tickError().find(std::string(reaction) + ": "), std::string::npos)
            << run.tickError();
        EXPECT_NE(run.tickError().find("not conserved"), std::string::npos) << run.tickError();
        EXPECT_EQ(err, "tick invariant broken: " + run.tickError() + "\n");
        --run.state().nO2;
        --run.state().nH2;
        EXPECT_TRUE(run.tick()) << reaction << ": " << run.tickError();
    }
}

// Slot 0 pushed out of the box after its own wall step: tick() itself throws.
class PushOutAfterTheLastSlot : public ReactionHooks {
public:
    void reaccioXoc(SimulationState& s, int i) override {
        if (i == s.NombreMol - 1)
            s.PosX[0] = s.OrigenX - 1;
    }
};

TEST(TickChecks, ASlotLeftOutsideTheBoxThrowsFromTheTick) {
    SimRun run(optionsFor("HI"), 3, ',');
    test::FakeClock clock;
    test::ScriptedRandom rnd;
    PushOutAfterTheLastSlot hooks;
    AnimationStep step(run.state(), clock, rnd, hooks);
    try {
        step.tick();
        ADD_FAILURE() << "no violation reported";
    } catch (const TickInvariantBroken& e) {
        EXPECT_EQ(std::string(e.what()), "HI: slot 0 lies outside its walls");
    }
}

} // namespace
} // namespace tarvon
