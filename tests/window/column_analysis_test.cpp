#include "window/column_analysis.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tarvon {
namespace {

// "HgO"-like: O2 and Hg rise from 0 at a steady rate; "HI"-like: HI falls as
// a second-order reactant while H2 and I2 rise.
DataRows table(int rows) {
    DataRows t{true, {"Temps", "Hg", "O2"}, {}, {}};
    for (int i = 0; i < rows; ++i)
        t.rows.push_back({static_cast<float>(i), {6 * i, 3 * i}});
    return t;
}

DataRows secondOrder(int rows) {
    DataRows t{true, {"Temps", "HI", "H2", "I2"}, {}, {}};
    for (int i = 0; i < rows; ++i) {
        // 1/N rises by 0.0005 per second from 1/400.
        const int n = static_cast<int>(std::lround(1 / (0.0025 + 0.0005 * i)));
        t.rows.push_back({static_cast<float>(i), {n, (400 - n) / 2, (400 - n) / 2}});
    }
    return t;
}

TEST(ColumnAnalysis, TheFallingReactantIsTheDefaultAndItsOrderIsFound) {
    const DataRows hi = secondOrder(40);
    EXPECT_EQ(DefaultAnalysisColumn(hi), 1u);
    const ColumnAnalysis a = AnalyseColumn(hi, DefaultAnalysisColumn(hi));
    ASSERT_TRUE(a.fits.has_value());
    EXPECT_FALSE(a.rises);
    EXPECT_EQ(a.fits->best, 2);
    EXPECT_NEAR(a.fits->fits[2].k, 0.0005, 2e-5);
    EXPECT_EQ(ColumnValues(hi, 0).back(), 39);
    EXPECT_EQ(ColumnValues(hi, 1).front(), 400);

    // A reactant that is not the first column is still found.
    DataRows swapped{true, {"Temps", "H2", "HI"}, {}, {}};
    for (const DataRow& r : hi.rows)
        swapped.rows.push_back({r.Temps, {r.counts[1], r.counts[0]}});
    EXPECT_EQ(DefaultAnalysisColumn(swapped), 2u);
}

TEST(ColumnAnalysis, AProductRisesAndItsZeroOrderLineIsItsRateOfFormation) {
    const DataRows hgo = table(12);
    EXPECT_EQ(DefaultAnalysisColumn(hgo), 1u); // nothing falls
    const ColumnAnalysis hg = AnalyseColumn(hgo, 1);
    ASSERT_TRUE(hg.fits.has_value());
    EXPECT_TRUE(hg.rises);
    EXPECT_EQ(hg.fits->best, 0);
    EXPECT_DOUBLE_EQ(hg.fits->fits[0].line.slope, 6);
    EXPECT_DOUBLE_EQ(hg.fits->fits[0].k, 6);
    // The first row, N = 0, is left out of ln N and 1/N.
    EXPECT_EQ(hg.fits->fits[1].line.points, 11);
    EXPECT_EQ(AnalyseColumn(hgo, 2).fits->fits[0].k, 3);
}

TEST(ColumnAnalysis, FewRowsNeedMoreDataAndOnlySpeciesColumnsAreAnalysed) {
    EXPECT_FALSE(AnalyseColumn(table(3), 1).fits.has_value());
    EXPECT_TRUE(AnalyseColumn(table(4), 1).fits.has_value());
    // Four rows, the species present in one: no logarithmic line.
    DataRows sparse{true, {"Temps", "Hg"}, {{0, {0}}, {1, {0}}, {2, {0}}, {3, {5}}}, {}};
    EXPECT_FALSE(AnalyseColumn(sparse, 1).fits.has_value());

    EXPECT_THROW(AnalyseColumn(table(5), 0), std::out_of_range);
    EXPECT_THROW(AnalyseColumn(table(5), 3), std::out_of_range);
    EXPECT_EQ(DefaultAnalysisColumn(DataRows{}), 0u);
    EXPECT_EQ(SpeciesColumn(table(1), "O2"), 2u);
    EXPECT_FALSE(SpeciesColumn(table(1), "Temps").has_value());
    EXPECT_FALSE(SpeciesColumn(table(1), "o2").has_value());
}

} // namespace
} // namespace tarvon
