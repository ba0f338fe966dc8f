#include "window/column_analysis.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tarvon {
namespace {

// HI falls as a second-order reactant (1/N rises by 0.0005 per second) while
// H2 rises.
DataRows secondOrder(int rows) {
    DataRows t{true, {"Temps", "H2", "HI"}, {}, {}};
    for (int i = 0; i < rows; ++i) {
        const int n = static_cast<int>(std::lround(1 / (0.0025 + 0.0005 * i)));
        t.rows.push_back({static_cast<float>(i), {(400 - n) / 2, n}});
    }
    return t;
}

TEST(ColumnAnalysis, TheFallingReactantIsTheDefaultAndAProductRises) {
    const DataRows t = secondOrder(40);
    ASSERT_EQ(DefaultAnalysisColumn(t), 2u);
    const ColumnAnalysis hi = AnalyseColumn(t, 2);
    ASSERT_TRUE(hi.fits.has_value());
    EXPECT_FALSE(hi.rises);
    EXPECT_EQ(hi.fits->best, 2);
    EXPECT_NEAR(hi.fits->fits[2].k, 0.0005, 2e-5);

    // H2 starts at 0: left out of ln N and 1/N, and its N line climbs.
    const ColumnAnalysis h2 = AnalyseColumn(t, 1);
    EXPECT_TRUE(h2.rises);
    EXPECT_EQ(h2.fits->fits[1].line.points, 39);
    EXPECT_GT(h2.fits->fits[0].line.slope, 0);
    EXPECT_EQ(SpeciesColumn(t, "HI"), 2u);
    EXPECT_FALSE(SpeciesColumn(t, "Temps").has_value());
}

TEST(ColumnAnalysis, FewRowsNeedMoreDataAndOnlySpeciesColumnsAreAnalysed) {
    EXPECT_FALSE(AnalyseColumn(secondOrder(3), 2).fits.has_value());
    EXPECT_TRUE(AnalyseColumn(secondOrder(4), 2).fits.has_value());
    // Four rows, the species present in one: no logarithmic line.
    const DataRows sparse{true, {"Temps", "Hg"}, {{0, {0}}, {1, {0}}, {2, {0}}, {3, {5}}}, {}};
    EXPECT_FALSE(AnalyseColumn(sparse, 1).fits.has_value());
    EXPECT_THROW(AnalyseColumn(sparse, 0), std::out_of_range);
    EXPECT_THROW(AnalyseColumn(sparse, 2), std::out_of_range);
    EXPECT_EQ(DefaultAnalysisColumn(DataRows{}), 0u);
}

} // namespace
} // namespace tarvon
