#include "engine/demo_population.h"
#include "engine/tick_invariants.h"

#include <gtest/gtest.h>

#include <string>

namespace tarvon {
namespace {

TEST(TickInvariants, HoldForADemoPopulationAndCatchAStraySlot) {
    SimulationState s;
    MersenneRandom rnd(5);
    SetDemoBox(s);
    CreaPoblacioDemo(s, rnd, 20);
    EXPECT_EQ(TickInvariantViolation(s), "");

    // Lattice sites and used-up slots are not moved by the tick: they may lie anywhere.
    ASSERT_TRUE(s.EnSolid[0]);
    s.PosZ[0] = -1;
    int gas = 0;
    while (s.EnSolid[gas])
        ++gas;
    s.PosZ[gas] = s.CaixaZ + 1;
    EXPECT_EQ(TickInvariantViolation(s), "slot " + std::to_string(gas) + " left the box");
    s.Reaccio = "NH3";
    s.TaulaMol(gas, 0) = 2;
    EXPECT_EQ(TickInvariantViolation(s), "");
}

} // namespace
} // namespace tarvon
