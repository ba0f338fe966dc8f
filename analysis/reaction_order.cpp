#include "analysis/reaction_order.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>
#include <vector>

namespace analysis {

namespace {

double transformed(int order, double n) {
    return order == 0 ? n : order == 1 ? std::log(n) : 1 / n;
}

OrderFit fitOrder(int order, std::span<const double> t, std::span<const double> n) {
    std::vector<double> x, y;
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (order > 0 && n[i] <= 0)
            continue;
        x.push_back(t[i]);
        y.push_back(transformed(order, n[i]));
    }
    OrderFit fit;
    fit.line = FitLine(x, y);
    fit.k = std::abs(fit.line.slope);
    return fit;
}

double halfLife(int order, double k, double n0) {
    if (k == 0)
        return std::numeric_limits<double>::infinity();
    return order == 0 ? n0 / (2 * k) : order == 1 ? std::log(2.0) / k : 1 / (k * n0);
}

double initialRate(std::span<const double> t, std::span<const double> n) {
    const std::size_t rows = std::min<std::size_t>(t.size(), kInitialRateRows);
    if (rows < 3)
        return std::numeric_limits<double>::quiet_NaN();
    return std::abs(FitLine(t.first(rows), n.first(rows)).slope);
}

} // namespace

OrderAnalysis AnalyseOrders(std::span<const double> t, std::span<const double> n) {
    if (t.size() != n.size())
        throw std::invalid_argument("times and counts differ in length");
    if (t.size() < static_cast<std::size_t>(kMinimumRows))
        throw std::invalid_argument("the analysis needs more data rows");
    OrderAnalysis a;
    for (int order = 0; order < 3; ++order)
        a.fits[order] = fitOrder(order, t, n);
    std::array<int, 3> byFit{0, 1, 2};
    std::stable_sort(byFit.begin(), byFit.end(),
                     [&](int l, int r) { return a.fits[l].line.r2 > a.fits[r].line.r2; });
    a.best = byFit[0];
    a.decided = a.fits[byFit[0]].line.r2 - a.fits[byFit[1]].line.r2 >= kUndecidedMargin;
    a.n0 = n[0];
    a.halfLife = halfLife(a.best, a.fits[a.best].k, a.n0);
    a.initialRate = initialRate(t, n);
    return a;
}

} // namespace analysis
