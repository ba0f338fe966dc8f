#include "engine/tick_invariants.h"

#include "engine/animation_step.h"
#include "engine/moving_slots.h"
#include "engine/slot_margins.h"
#include "reactions/population_fixture.h"
#include "reactions/reaction_fixtures.h"
#include "tools/sim_run.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

namespace tarvon {
namespace {

// A seeded run some seconds in, so every reaction has products to count.
std::unique_ptr<SimRun> runFor(const char* reaction, int particles, int ticks) {
    SimOptions o;
    o.reaction = FindReaction(reaction);
    o.particles = particles;
    auto run = std::make_unique<SimRun>(o, 11, ',');
    for (int t = 0; t < ticks; ++t)
        EXPECT_TRUE(run->tick()) << run->tickError();
    return run;
}

// Each change is applied to a fresh copy of the run's counters and lists and
// must be reported with the given words.
void expectReported(const char* reaction, int particles, int ticks, const std::string& words,
                    const std::function<void(SimulationState&)>& change) {
    const auto run = runFor(reaction, particles, ticks);
    SimulationState& s = run->state();
    ASSERT_EQ(TickInvariantViolation(s), "") << reaction;
    change(s);
    EXPECT_NE(TickInvariantViolation(s).find(words), std::string::npos)
        << reaction << ": " << TickInvariantViolation(s);
}

int firstMoving(const SimulationState& s) {
    for (int i = 0; i < s.NombreMol; ++i)
        if (SlotMoves(s, i))
            return i;
    return -1;
}

TEST(TickInvariants, AtomsOfEveryReactionAreCounted) {
    expectReported("HI", 400, 400, "hydrogen or iodine", [](SimulationState& s) { ++s.nH2; });
    expectReported("NH3", 400, 200, "hydrogen atoms", [](SimulationState& s) {
        s.nN2 -= 1; // nitrogen still balances, hydrogen does not
        s.nNH3 += 2;
    });
    expectReported("FeO", 400, 200, "oxygen atoms", [](SimulationState& s) { --s.nO2; });
    expectReported("HgO", 100, 60, "oxygen atoms", [](SimulationState& s) { s.nHg += 2; });
}

// Counters moved as a reaction moves them, but without its molecules.
TEST(TickInvariants, CountersMustAgreeWithTheMoleculesInTheLists) {
    expectReported("HI", 400, 400, "molecules in the box", [](SimulationState& s) {
        s.nHI -= 2;
        s.nH2 += 1;
        s.nI2 += 1;
    });
    expectReported("NH3", 400, 200, "slot states", [](SimulationState& s) {
        s.nN2 -= 1;
        s.nH2 -= 3;
        s.nNH3 += 2;
    });
    expectReported("FeO", 400, 200, "slots in play", [](SimulationState& s) {
        s.nO2 -= 1;
        s.nFeO += 2;
    });
    expectReported("FeO", 400, 200, "oxidised cells", [](SimulationState& s) {
        s.TaulaMol.setState(firstMoving(s), SlotState::UsedUp);
        s.nO2 -= 1;
        s.nFeO += 2;
    });
    expectReported("HgO", 100, 60, "released", [](SimulationState& s) {
        s.nHg += 2;
        s.nO2 += 1;
    });
}

// The runs above have reacted: the totals are checked with products present.
TEST(TickInvariants, SeededRunsWithProductsKeepEveryInvariant) {
    const auto hi = runFor("HI", 400, 400);
    const auto nh3 = runFor("NH3", 400, 200);
    const auto feo = runFor("FeO", 400, 200);
    const auto hgo = runFor("HgO", 100, 60);
    EXPECT_GT(hi->state().nI2, 0);
    EXPECT_GT(nh3->state().nNH3, 0);
    EXPECT_GT(feo->state().nFeO, 0);
    EXPECT_EQ(hgo->state().nHg, 12); // one pair each half second
    for (SimRun* run : {hi.get(), nh3.get(), feo.get(), hgo.get()})
        EXPECT_EQ(TickInvariantViolation(run->state()), "");
}

// Only slots the tick moves must stay within their walls, up to the limit
// itself; a lattice site or a used-up molecule may lie anywhere.
TEST(TickInvariants, MovingSlotsStayWithinTheirWalls) {
    for (const ReactionDescription* r : Reactions()) {
        const char* reaction = r->key;
        const auto run = runFor(reaction, 100, 20);
        SimulationState& s = run->state();
        const int i = firstMoving(s);
        ASSERT_GE(i, 0) << reaction;
        const WallLimits lim = SlotLimits(s, i);
        s.PosZ[i] = lim.zHi;
        EXPECT_EQ(TickInvariantViolation(s), "") << reaction;
        s.PosZ[i] = lim.zHi + 1;
        EXPECT_NE(TickInvariantViolation(s).find("slot " + std::to_string(i)), std::string::npos)
            << reaction;
    }
    const auto hgo = runFor("HgO", 100, 1);
    hgo->state().PosY[hgo->state().NombreMol - 1] = -5000; // still in the solid
    EXPECT_EQ(TickInvariantViolation(hgo->state()), "");
}

// An "HI" slot pushed by a collision and then held back for a capture skips its
// wall step: it may end the tick past its wall, even outside the box.
TEST(TickInvariants, TheSlotHeldBackForACaptureStaysWhereItsCollisionPutIt) {
    auto owner = test::populated("HI", 8);
    SimulationState& s = *owner;
    ASSERT_EQ(s.NombreMol, 4);
    const float S = 2 * (s.RadiA[0] + s.RadiB[0]); // contact sum of two HI
    const WallLimits lim = SlotLimits(s, 0);
    const float y = 3000, z = 2000;
    // Slots 1 and 3 already reacted: an I2 just inside slot 0, at its right limit.
    s.caja.AtomB[1].tag = kTagKindA;
    s.caja.AtomA[3].tag = kTagKindB;
    s.nHI = 2, s.nH2 = s.nI2 = 1;
    test::placeSlot(s, 0, lim.xHi, y, z);
    test::placeSlot(s, 1, lim.xHi - 0.2f * S, y, z);
    test::placeSlot(s, 3, 1000, 1000, 1000);
    // Slot 2, at its own limit, meets slot 0 where the collision leaves it.
    const float pushed = lim.xHi + 0.8f * S;
    test::placeSlot(s, 2, lim.xHi, y + 0.25f * S, z);
    for (int i : {0, 2}) {
        s.AtomAX[i] = s.AtomBX[i] = i == 0 ? pushed : s.PosX[i];
        s.AtomAY[i] = s.AtomBY[i] = s.PosY[i];
        s.AtomAZ[i] = s.AtomBZ[i] = z;
    }
    s.meca.MecaDemanat = true;
    s.LimitVisX = s.LimitVisY = 100000; // all in view
    test::FakeClock clock;
    test::ScriptedRandom rnd;
    test::CountingRules rules{clock, rnd};
    AnimationStep step(s, clock, rnd, rules);
    std::string error;
    ASSERT_TRUE(step.guardedTick(&error)) << error;
    ASSERT_EQ(rules.shown, 1);
    EXPECT_EQ(s.meca.heldBackSlot, 0);
    EXPECT_NEAR(s.PosX[0], pushed, 1e-2);
    EXPECT_GT(s.PosX[0], s.OrigenX + s.CaixaX);
    EXPECT_EQ(TickInvariantViolation(s), "");
    s.PosX[3] = s.OrigenX - 1; // any other slot is still held to its walls
    EXPECT_EQ(TickInvariantViolation(s), "slot 3 lies outside its walls");
    step.tick(); // the next tick brings it back
    EXPECT_EQ(s.meca.heldBackSlot, -1);
    EXPECT_EQ(TickInvariantViolation(s), "");
}

TEST(TickInvariants, CountsStayWithinTheirLists) {
    const auto run = runFor("HI", 100, 1);
    SimulationState& s = run->state();
    s.NumCellesOxid = kListSize + 1;
    EXPECT_EQ(TickInvariantViolation(s), "a count lies outside its list");
    s.NumCellesOxid = 0;
    s.nHg = -1;
    EXPECT_NE(TickInvariantViolation(s).find("species counter"), std::string::npos);
}

} // namespace
} // namespace tarvon
