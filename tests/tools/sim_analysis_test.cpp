#include "tools/sim_analysis.h"

#include "reactions/registry.h"
#include "tools/sim_run.h"
#include "window/column_analysis.h"

#include <gtest/gtest.h>

#include <string>

namespace tarvon {
namespace {

DataRows falling(int rows, int (*law)(int)) {
    DataRows t{true, {"Temps", "A", "B"}, {}, {}};
    for (int i = 0; i < rows; ++i)
        t.rows.push_back({static_cast<float>(i), {law(i), 100 - law(i)}});
    return t;
}

TEST(AnalysisText, OneLinePerOrderWithTheCallersSeparatorAndTheBestOrder) {
    const DataRows t = falling(21, [](int i) { return 100 - 4 * i; });
    const std::string text = AnalysisText(t, 1, ',').value();
    EXPECT_TRUE(text.starts_with("ordre\tR2\tpendent\tk\r\n0\t1,0000\t-4\t4\r\n1\t0,"));
    EXPECT_TRUE(text.ends_with("\r\nmillor\t0\r\n"));
    // The rising product: its rate of formation, slope and k alike.
    EXPECT_NE(AnalysisText(t, 2, '.')->find("\r\n0\t1.0000\t4\t4\r\n"), std::string::npos);

    const DataRows slight = falling(4, [](int i) { return 1000 - i; });
    EXPECT_TRUE(AnalysisText(slight, 1, ',')->ends_with("\r\nmillor\t-\r\n"));
    EXPECT_FALSE(AnalysisText(falling(3, [](int i) { return 50 - i; }), 1, ',').has_value());
}

// Seeded runs as the runner makes them, 60 s.
analysis::OrderAnalysis analyse(const char* reaction, const char* species, int particles,
                                std::uint64_t seed) {
    SimOptions o;
    o.reaction = FindReaction(reaction);
    o.particles = particles;
    SimRun run(o, seed, ',');
    run.run();
    const DataRows& t = run.data().Taula;
    const ColumnAnalysis a = AnalyseColumn(t, SpeciesColumn(t, species).value());
    EXPECT_TRUE(a.fits.has_value());
    return a.fits.value_or(analysis::OrderAnalysis{});
}

TEST(SeededRuns, HydrogenIodideIsSecondOrderAndMercuryOxideZeroOrder) {
    int decided = 0;
    for (std::uint64_t seed = 1; seed <= 5; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        const analysis::OrderAnalysis hi = analyse("HI", "HI", 400, seed);
        EXPECT_EQ(hi.best, 2);
        EXPECT_GT(hi.fits[2].line.r2, hi.fits[0].line.r2 + 0.2);
        decided += hi.decided ? 1 : 0;
        const analysis::OrderAnalysis hg = analyse("HgO", "Hg", 400, seed);
        EXPECT_TRUE(hg.best == 0 && hg.decided);
    }
    // The few molecules left at the end scatter 1/N; most runs still decide.
    EXPECT_GE(decided, 3);
}

// The oxide forms where O2 meets free iron: the straight N line never fits best.
TEST(SeededRuns, IronOxidationIsNeverZeroOrder) {
    for (int particles : {81, 225, 400})
        for (std::uint64_t seed = 1; seed <= 3; ++seed)
            EXPECT_NE(analyse("FeO", "O2", particles, seed).best, 0) << particles << " " << seed;
}

} // namespace
} // namespace tarvon
