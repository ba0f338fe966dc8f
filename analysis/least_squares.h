#pragma once

#include <span>

namespace analysis {

// A straight line y = slope·x + intercept fitted by least squares.
struct LineFit {
    double slope = 0;
    double intercept = 0;
    double r2 = 0; // 1 when the points lie on the line, a flat line through flat data included
    int points = 0;
};

// Throws std::invalid_argument when there are fewer than two points, the
// spans differ in length, or every x is the same.
LineFit FitLine(std::span<const double> x, std::span<const double> y);

} // namespace analysis
