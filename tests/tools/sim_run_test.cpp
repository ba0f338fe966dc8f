#include "engine/tick_invariants.h"
#include "tools/sim_run.h"

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <sstream>
#include <string>

namespace tarvon {
namespace {

SimOptions optionsFor(const char* reaction, int particles) {
    SimOptions o;
    o.reaction = reaction;
    o.particles = particles;
    return o;
}

// What each reaction conserves, against the counts the population started with.
class Conservation {
public:
    explicit Conservation(const SimulationState& s) : start_(s), presents_(s.txt[0]) {}

    std::string violation(const SimulationState& s) const {
        std::ostringstream why;
        if (s.Reaccio == "HI") {
            if (s.nHI + 2 * s.nH2 != start_.nHI || s.nH2 != s.nI2 || s.txt[0] != presents_)
                why << "HI " << s.nHI << " H2 " << s.nH2 << " I2 " << s.nI2;
        } else if (s.Reaccio == "NH3") {
            if (s.nNH3 % 2 != 0 || s.nN2 + s.nNH3 / 2 != start_.nN2 ||
                s.nH2 + 3 * s.nNH3 / 2 != start_.nH2)
                why << "N2 " << s.nN2 << " H2 " << s.nH2 << " NH3 " << s.nNH3;
        } else if (s.Reaccio == "FeO") {
            why << feoViolation(s);
        } else if (s.Reaccio == "HgO") {
            if (2 * s.nO2 != s.nHg || s.nHg > s.NumB)
                why << "Hg " << s.nHg << " O2 " << s.nO2 << " of " << s.NumB;
        }
        return why.str();
    }

private:
    // Every oxidised cell is listed once and tagged once: none is oxidised twice.
    std::string feoViolation(const SimulationState& s) const {
        if (2 * s.nO2 + s.nFeO != 2 * start_.nO2 || s.NumCellesOxid != s.nFeO)
            return "O2 " + std::to_string(s.nO2) + " FeO " + std::to_string(s.nFeO);
        std::set<int> cells;
        for (int k = 0; k < s.NumCellesOxid; ++k)
            cells.insert(s.CellesOxid[k]);
        int tagged = 0;
        for (int k = 0; k < s.NumB; ++k)
            tagged += s.caja.AtomB[k].tag == '3' ? 1 : 0;
        if (static_cast<int>(cells.size()) != s.nFeO || tagged != s.nFeO)
            return "a cell oxidised twice";
        return {};
    }

    SpeciesCounters start_;
    std::string presents_;
};

void soak(SimRun& run, int ticks) {
    SimulationState& s = run.state();
    const Conservation conserved(s);
    for (int t = 0; t < ticks; ++t) {
        ASSERT_TRUE(run.tick()) << "tick " << t << " raised";
        ASSERT_EQ(TickInvariantViolation(s), "") << "tick " << t;
        ASSERT_EQ(conserved.violation(s), "") << "tick " << t;
    }
}

// Thousands of ticks of every reaction at the largest budget and at the
// mechanism view's sizes, with fresh seeds each run (printed on failure).
TEST(SimRun, EveryReactionRunsLongWithoutErrorsAndConservesItsAtoms) {
    std::random_device device;
    for (const char* reaction : {"FeO", "NH3", "HI", "HgO"}) {
        for (bool mechanism : {false, true}) {
            const std::uint64_t seed = device();
            SCOPED_TRACE(std::string(reaction) + (mechanism ? " mechanism" : " 400") + " seed " +
                         std::to_string(seed));
            SimRun run(optionsFor(reaction, 400), seed, ',');
            if (mechanism)
                run.enterMechanism();
            soak(run, 3000);
        }
    }
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
    EXPECT_TRUE(run.data().TaulaDades.ends_with("\r\n" + rows)) << run.data().TaulaDades;
}

TEST(SimRun, TheSameSeedGivesTheSameTable) {
    SimOptions o = optionsFor("HI", 225);
    o.duration = 20;
    SimRun first(o, 42, ',');
    SimRun second(o, 42, ',');
    first.run();
    second.run();
    EXPECT_EQ(first.data().TaulaDades, second.data().TaulaDades);
    EXPECT_EQ(first.times().ticks, 400);
}

} // namespace
} // namespace tarvon
