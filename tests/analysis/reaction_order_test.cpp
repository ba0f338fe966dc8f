#include "analysis/least_squares.h"
#include "analysis/reaction_order.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>
#include <vector>

namespace analysis {
namespace {

TEST(FitLine, KnownDataSetGivesItsSlopeInterceptAndR2) {
    const std::vector<double> x{1, 2, 3, 4, 5}, y{2, 4, 5, 4, 5};
    const LineFit fit = FitLine(x, y);
    EXPECT_DOUBLE_EQ(fit.slope, 0.6);
    EXPECT_DOUBLE_EQ(fit.intercept, 2.2);
    EXPECT_DOUBLE_EQ(fit.r2, 0.6);
    EXPECT_EQ(fit.points, 5);

    const LineFit exact = FitLine(std::vector<double>{0, 1, 2}, std::vector<double>{-1, -4, -7});
    EXPECT_DOUBLE_EQ(exact.slope, -3);
    EXPECT_DOUBLE_EQ(exact.intercept, -1);
    EXPECT_DOUBLE_EQ(exact.r2, 1);
    EXPECT_DOUBLE_EQ(FitLine(std::vector<double>{0, 1}, std::vector<double>{7, 7}).r2, 1);
}

TEST(FitLine, RefusesWhatNoLineFits) {
    EXPECT_THROW(FitLine(std::vector<double>{1}, std::vector<double>{1}), std::invalid_argument);
    EXPECT_THROW(FitLine(std::vector<double>{2, 2, 2}, std::vector<double>{1, 2, 3}),
                 std::invalid_argument);
    EXPECT_THROW(FitLine(std::vector<double>{1, 2}, std::vector<double>{1}), std::invalid_argument);
}

struct Series {
    std::vector<double> t, n;
};

template <typename Law> Series sampled(Law law, int rows) {
    Series s;
    for (int i = 0; i < rows; ++i) {
        s.t.push_back(i);
        s.n.push_back(law(i));
    }
    return s;
}

TEST(AnalyseOrders, EachIntegratedLawIsRecognisedWithItsConstantAndHalfLife) {
    // Down to a twentieth: over a short fall every line would fit.
    const Series zero = sampled([](double t) { return 100 - 5 * t; }, 20);
    OrderAnalysis a = AnalyseOrders(zero.t, zero.n);
    EXPECT_EQ(a.best, 0);
    EXPECT_TRUE(a.decided);
    EXPECT_DOUBLE_EQ(a.fits[0].k, 5);
    EXPECT_DOUBLE_EQ(a.halfLife, 10);
    EXPECT_DOUBLE_EQ(a.initialRate, 5);

    const Series first = sampled([](double t) { return 100 * std::exp(-0.1 * t); }, 30);
    a = AnalyseOrders(first.t, first.n);
    EXPECT_EQ(a.best, 1);
    EXPECT_NEAR(a.fits[1].k, 0.1, 1e-12);
    EXPECT_NEAR(a.fits[1].line.r2, 1, 1e-12);
    EXPECT_NEAR(a.halfLife, std::log(2.0) / 0.1, 1e-9);

    const Series second = sampled([](double t) { return 1 / (0.01 + 0.001 * t); }, 30);
    a = AnalyseOrders(second.t, second.n);
    EXPECT_EQ(a.best, 2);
    EXPECT_TRUE(a.decided);
    EXPECT_NEAR(a.fits[2].k, 0.001, 1e-12);
    EXPECT_NEAR(a.halfLife, 10, 1e-9);
    EXPECT_LT(a.fits[1].line.r2, a.fits[2].line.r2);
}

TEST(AnalyseOrders, CloseFitsAreUndecidedAndEmptyRowsLeaveTheLogarithmicLines) {
    // A slight fall over a few rows: every line fits almost perfectly.
    const Series slight = sampled([](double t) { return 1000 - t; }, 4);
    EXPECT_FALSE(AnalyseOrders(slight.t, slight.n).decided);

    // The reactant used up: the last rows are 0 and would give ln 0 and 1/0.
    const Series spent{{0, 1, 2, 3, 4, 5}, {8, 4, 2, 1, 0, 0}};
    const OrderAnalysis a = AnalyseOrders(spent.t, spent.n);
    EXPECT_EQ(a.fits[1].line.points, 4);
    EXPECT_NEAR(a.fits[1].k, std::log(2.0), 1e-12);
    EXPECT_EQ(a.fits[0].line.points, 6);
    EXPECT_EQ(a.best, 1);
}

TEST(AnalyseOrders, TooFewRowsAskForMoreData) {
    const Series three = sampled([](double t) { return 10 - t; }, 3);
    EXPECT_THROW(AnalyseOrders(three.t, three.n), std::invalid_argument);
    // Four rows of which three are empty: no logarithmic line can be drawn.
    const Series empty{{0, 1, 2, 3}, {5, 0, 0, 0}};
    EXPECT_THROW(AnalyseOrders(empty.t, empty.n), std::invalid_argument);
}

} // namespace
} // namespace analysis
