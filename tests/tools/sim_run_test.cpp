#include "engine/tick_invariants.h"
#include "reactions/registry.h"
#include "tools/sim_run.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace tarvon {
namespace {

SimOptions optionsFor(const char* reaction, int particles) {
    SimOptions o;
    o.reaction = FindReaction(reaction);
    o.particles = particles;
    return o;
}

// The tick invariants, species totals among them, after every tick. They
// measure the totals against the population's sizes, which must not move.
void soak(SimRun& run, int ticks) {
    SimulationState& s = run.state();
    const int sizes[] = {s.NombreMol, s.NumA, s.NumB};
    for (int t = 0; t < ticks; ++t) {
        ASSERT_TRUE(run.tick()) << "tick " << t << ": " << run.tickError();
        ASSERT_EQ(TickInvariantViolation(s), "")
            << "tick " << t << ": HI " << s.nHI << " H2 " << s.nH2 << " I2 " << s.nI2 << " N2 "
            << s.nN2 << " NH3 " << s.nNH3 << " O2 " << s.nO2 << " FeO " << s.nFeO << " Hg "
            << s.nHg;
        ASSERT_TRUE(sizes[0] == s.NombreMol && sizes[1] == s.NumA && sizes[2] == s.NumB)
            << "tick " << t;
    }
}

// Thousands of ticks of every reaction at the largest budget and at the
// mechanism view's sizes: fixed seeds, and one fresh seed each run (every
// seed printed on failure).
TEST(SimRun, EveryReactionRunsLongWithoutErrorsAndConservesItsAtoms) {
    const std::uint64_t fresh = std::random_device{}();
    for (const ReactionDescription* r : Reactions()) {
        const char* reaction = r->key;
        for (bool mechanism : {false, true}) {
            for (std::uint64_t seed : {std::uint64_t{1}, std::uint64_t{20250417}, fresh}) {
                SCOPED_TRACE(std::string(reaction) + (mechanism ? " mechanism" : " 400") +
                             " seed " + std::to_string(seed));
                SimRun run(optionsFor(reaction, 400), seed, ',');
                if (mechanism)
                    run.enterMechanism();
                soak(run, 3000);
            }
        }
    }
}

// Each capture freezes the run until the next tick continues it, as a user
// pressing "Continuar" at once.
TEST(SimRun, TheMechanismViewContinuesEachCaptureAtTheNextTick) {
    SimRun run(optionsFor("HgO", 400), 3, ',');
    run.enterMechanism();
    SimulationState& s = run.state();
    ASSERT_TRUE(run.tick()); // the first pair is due at once
    EXPECT_TRUE(s.meca.MecaCapturat && !s.controls.tmrRellotgeEnabled);
    ASSERT_TRUE(run.tick());
    EXPECT_TRUE(!s.meca.MecaCapturat && s.controls.tmrRellotgeEnabled);
    EXPECT_EQ(run.continued(), 1);
    for (int t = 0; t < 400; ++t)
        ASSERT_TRUE(run.tick());
    EXPECT_TRUE(run.continued() == 4 && s.nHg == 8 && s.NumB == 8); // every pair, 3 s apart
}

TEST(SimRun, HgOReleasesOnePairEveryHalfSecondUntilTheBlockIsGone) {
    SimOptions o = optionsFor("HgO", 100);
    o.duration = 12;
    SimRun run(o, 5, ',');
    run.run();
    ASSERT_EQ(run.state().NumB, 80);
    std::string rows = "Temps\tHg\tO2\r\n";
    for (int second = 0; second <= 12; ++second) {
        const int hg = std::min(4 * second, 80);
        rows += std::to_string(second) + "\t" + std::to_string(hg) + "\t" + std::to_string(hg / 2) +
                "\r\n";
    }
    EXPECT_TRUE(run.table().ends_with("\r\n" + rows)) << run.table();
}

// 857 ticks of 70 ms, the last at 59.99 s: rows up to 59 s, each within one
// tick of its time.
TEST(SimRun, RowsKeepToTheClockWhenTheTickDoesNotDivideTheInterval) {
    SimOptions o = optionsFor("HI", 81);
    o.tickMs = 70;
    SimRun run(o, 1, ',');
    ASSERT_EQ(run.ticksInDuration(), 857);
    std::vector<double> at;
    double start = 0;
    for (long k = 0; k < run.ticksInDuration(); ++k) {
        ASSERT_TRUE(run.tick());
        if (k == 0)
            start = run.state().Ara - 0.07;
        if (run.data().NombreRegistres > static_cast<int>(at.size()))
            at.push_back(run.state().Ara - start);
    }
    ASSERT_EQ(at.size(), 59u);
    EXPECT_TRUE(run.table().find("\r\n57\t") != std::string::npos);
    EXPECT_GE(at[56], 57 - 1e-6);
    EXPECT_LT(at[56], 57.07);
}

TEST(SimRun, TheSameSeedGivesTheSameTable) {
    SimOptions o = optionsFor("HI", 225);
    o.duration = 20;
    SimRun first(o, 42, ',');
    SimRun second(o, 42, ',');
    first.run();
    second.run();
    EXPECT_EQ(first.table(), second.table());
    EXPECT_EQ(first.times().ticks, 400);
}

// --fixed-volume: the box of side 15 for any particle number up to 225.
TEST(SimRun, AFixedVolumeKeepsOneBoxWhileTheParticleNumberChanges) {
    auto width = [](int particles, bool fixed) {
        SimOptions o = optionsFor("NH3", particles);
        o.fixedVolume = fixed;
        return SimRun(o, 1, ',').state().CaixaX;
    };
    EXPECT_EQ(width(81, true), width(225, false));
    EXPECT_LT(width(81, false), width(225, false));
}

} // namespace
} // namespace tarvon
