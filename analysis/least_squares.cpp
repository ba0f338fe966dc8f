#include "analysis/least_squares.h"

#include <stdexcept>

namespace analysis {

LineFit FitLine(std::span<const double> x, std::span<const double> y) {
    if (x.size() != y.size())
        throw std::invalid_argument("a line needs as many x as y values");
    const auto n = static_cast<double>(x.size());
    if (x.size() < 2)
        throw std::invalid_argument("a line needs at least two points");
    double mx = 0, my = 0;
    for (std::size_t i = 0; i < x.size(); ++i)
        mx += x[i], my += y[i];
    mx /= n, my /= n;
    double sxx = 0, sxy = 0, syy = 0;
    for (std::size_t i = 0; i < x.size(); ++i) {
        const double dx = x[i] - mx, dy = y[i] - my;
        sxx += dx * dx, sxy += dx * dy, syy += dy * dy;
    }
    if (sxx == 0)
        throw std::invalid_argument("a line needs at least two different x values");
    LineFit fit;
    fit.slope = sxy / sxx;
    fit.intercept = my - fit.slope * mx;
    // Flat data are fitted exactly by a flat line.
    fit.r2 = syy == 0 ? 1 : sxy * sxy / (sxx * syy);
    fit.points = static_cast<int>(x.size());
    return fit;
}

} // namespace analysis
