#include "tools/sim_analysis.h"

#include "reactions/registry.h"
#include "tools/sim_run.h"
#include "window/column_analysis.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

namespace tarvon {
namespace {

DataRows falling(int rows, int (*law)(int)) {
    DataRows t{true, {"Temps", "A", "B"}, {}, {}};
    for (int i = 0; i < rows; ++i)
        t.rows.push_back({static_cast<float>(i), {law(i), 100 - law(i)}});
    return t;
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        out.push_back(text.substr(start, end - start));
    EXPECT_EQ(start, text.size()) << "a line without CR LF";
    return out;
}

TEST(AnalysisText, OneLinePerOrderWithTheLocalesSeparatorAndTheBestOrder) {
    const DataRows t = falling(21, [](int i) { return 100 - 4 * i; });
    const auto text = AnalysisText(t, 1, ',');
    ASSERT_TRUE(text.has_value());
    const std::vector<std::string> l = lines(*text);
    ASSERT_EQ(l.size(), 5u);
    EXPECT_EQ(l[0], "ordre\tR2\tpendent\tk");
    EXPECT_EQ(l[1], "0\t1,0000\t-4\t4");
    const ColumnAnalysis a = AnalyseColumn(t, 1);
    const analysis::OrderFit& ln = a.fits->fits[1];
    // Six significant digits, the separator the caller gives.
    std::ostringstream r2, slope;
    r2.precision(4);
    r2 << std::fixed << ln.line.r2;
    slope.precision(6);
    slope << ln.line.slope;
    auto comma = [](std::string s) {
        for (char& c : s)
            c = c == '.' ? ',' : c;
        return s;
    };
    EXPECT_EQ(l[2].substr(0, 2), "1\t");
    EXPECT_EQ(l[2].substr(2),
              comma(r2.str()) + '\t' + comma(slope.str()) + '\t' + comma(slope.str()).substr(1));
    EXPECT_EQ(l[4], "millor\t0");
    // The product rises at the same rate: its line is its rate of formation.
    EXPECT_EQ(lines(*AnalysisText(t, 2, '.'))[1], "0\t1.0000\t4\t4");
}

TEST(AnalysisText, CloseFitsDoNotDecideAndFewRowsGiveNoText) {
    const DataRows slight = falling(4, [](int i) { return 1000 - i; });
    const std::vector<std::string> l = lines(*AnalysisText(slight, 1, ','));
    EXPECT_EQ(l.back(), "millor\t-");
    EXPECT_FALSE(AnalysisText(falling(3, [](int i) { return 50 - i; }), 1, ',').has_value());
}

// Seeded runs as the runner makes them, 400 particles for 60 s.
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
        // Hg is released at a steady rate: a straight rise.
        const analysis::OrderAnalysis hg = analyse("HgO", "Hg", 400, seed);
        EXPECT_EQ(hg.best, 0);
        EXPECT_TRUE(hg.decided);
        EXPECT_GT(hg.fits[0].line.slope, 0);
    }
    // The small counts at the end scatter 1/N; most runs still decide.
    EXPECT_GE(decided, 3);
}

// The oxide forms where O2 meets free iron: neither a constant rate nor a
// plain dependence on N. The straight N line never fits best.
TEST(SeededRuns, IronOxidationHasAnApparentOrderBetweenOneAndTwo) {
    for (int particles : {81, 225, 400}) {
        for (std::uint64_t seed = 1; seed <= 3; ++seed) {
            SCOPED_TRACE(std::to_string(particles) + " particles, seed " + std::to_string(seed));
            const analysis::OrderAnalysis o2 = analyse("FeO", "O2", particles, seed);
            EXPECT_NE(o2.best, 0);
        }
    }
}

} // namespace
} // namespace tarvon
