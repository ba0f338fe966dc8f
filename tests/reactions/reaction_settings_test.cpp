#include "reactions/feo/feo.h"
#include "reactions/hgo/hgo.h"
#include "reactions/hi/hi.h"
#include "reactions/nh3/nh3.h"
#include "reactions/reaction_settings.h"

#include <gtest/gtest.h>

namespace tarvon {
namespace {

constexpr float DiamBase = 150;

TEST(ReactionSettings, BondRecomputedFromTheCurrentDiameter) {
    SimulationState s;
    UseReaction(s, &kFeO);
    s.Diam = 200;
    RecalculaDistEnllac(s);
    EXPECT_FLOAT_EQ(s.DistEnllac, 296.0f);
    EXPECT_FLOAT_EQ(s.RadiA[0], 74.0f);

    UseReaction(s, &kHgO);
    s.RadiA[0] = 1;
    RecalculaDistEnllac(s);
    EXPECT_FLOAT_EQ(s.DistEnllac, 280.0f);
    EXPECT_EQ(s.RadiA[0], 1.0f);

    UseReaction(s, nullptr); // no reaction chosen yet
    s.Diam = 300;
    RecalculaDistEnllac(s);
    EXPECT_FLOAT_EQ(s.DistEnllac, 280.0f);
}

// Applies the command until it stops changing Diam; returns the steps taken.
int StepsUntilStopped(SimulationState& s, void (*command)(SimulationState&, float)) {
    int steps = 0;
    for (float before = -1; before != s.Diam && steps < 100; ++steps) {
        before = s.Diam;
        command(s, DiamBase);
    }
    return steps - 1;
}

TEST(ReactionSettings, ChoiceResetsTheFactorAndFineTuningStopsAtItsLimits) {
    SimulationState s;
    s.Diam = 225;
    s.FactorDiam = 1.5f;
    ChooseReaction(s, kHI, DiamBase);
    EXPECT_FLOAT_EQ(s.DistEnllac, 255);
    EXPECT_EQ(s.FactorDiam, 1.0f);
    ChooseReaction(s, kNH3, DiamBase); // from the base diameter
    EXPECT_EQ(StepsUntilStopped(s, EinesDiamAfAu), 43);
    EXPECT_NEAR(s.Diam, 230.1, 0.05);
    EXPECT_FLOAT_EQ(s.DistEnllac, s.Diam * 1.11f);

    EinesDiam15(s, DiamBase);
    EXPECT_EQ(s.FactorDiam, 1.5f);
    EXPECT_FLOAT_EQ(s.DistEnllac, 225 * 1.11f);
    EXPECT_EQ(StepsUntilStopped(s, EinesDiamAfAu), 2);
    EXPECT_NEAR(s.Diam, 229.5, 0.05);

    EinesDiamPre(s, DiamBase);
    EXPECT_EQ(s.FactorDiam, 1.0f);
    EXPECT_EQ(StepsUntilStopped(s, EinesDiamAfDi), 5);
    EXPECT_NEAR(s.Diam, 142.65, 0.01);
    EXPECT_NEAR(s.DistEnllac, 142.65 * 1.11, 0.02);
}

} // namespace
} // namespace tarvon
