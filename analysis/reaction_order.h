#pragma once

#include "analysis/least_squares.h"

#include <array>
#include <span>

namespace analysis {

// The integrated rate laws as straight lines against time: order 0 plots N,
// order 1 ln N and order 2 1/N. k is the magnitude of the slope, in particles
// and seconds, with no stoichiometric factor.
struct OrderFit {
    LineFit line;
    double k = 0;
};

struct OrderAnalysis {
    std::array<OrderFit, 3> fits; // by order
    int best = 0;                 // the order whose line fits best
    bool decided = false;         // best R² ahead of the next by at least kUndecidedMargin
    double n0 = 0;                // the first count
    double halfLife = 0;          // of the best order, from its k and n0; infinite when k is 0
    double initialRate = 0;       // |slope| through the first rows; NaN with fewer than 3
};

inline constexpr double kUndecidedMargin = 0.01;
inline constexpr int kInitialRateRows = 5;
inline constexpr int kMinimumRows = 4;

// Rows where N is 0 are left out of the ln N and 1/N lines. Throws
// std::invalid_argument with fewer than kMinimumRows rows, or when a line
// has fewer than two usable points.
OrderAnalysis AnalyseOrders(std::span<const double> t, std::span<const double> n);

} // namespace analysis
