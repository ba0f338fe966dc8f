#include "engine/demo_population.h"
#include "engine/tick_invariants.h"

#include <gtest/gtest.h>

namespace tarvon {
namespace {

TEST(TickInvariants, HoldForADemoPopulationAndCatchAStraySlot) {
    SimulationState s;
    MersenneRandom rnd(5);
    SetDemoBox(s);
    CreaPoblacioDemo(s, rnd, 20);
    EXPECT_EQ(TickInvariantViolation(s), "");

    s.PosZ[7] = s.CaixaZ + 1;
    EXPECT_EQ(TickInvariantViolation(s), "slot 7 left the box");

    // A used-up slot is not moved any more and may lie anywhere.
    s.Reaccio = "NH3";
    s.TaulaMol(7, 0) = 2;
    EXPECT_EQ(TickInvariantViolation(s), "");
}

} // namespace
} // namespace tarvon
