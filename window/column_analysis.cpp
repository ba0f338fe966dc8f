#include "window/column_analysis.h"

#include "analysis/least_squares.h"

#include <span>
#include <stdexcept>

namespace tarvon {

std::vector<double> ColumnValues(const DataRows& t, std::size_t column) {
    std::vector<double> values;
    values.reserve(t.rows.size());
    for (const DataRow& row : t.rows)
        values.push_back(column == 0 ? row.Temps : row.counts.at(column - 1));
    return values;
}

namespace {

bool falls(const DataRows& t, std::size_t column) {
    return !t.rows.empty() &&
           t.rows.back().counts.at(column - 1) < t.rows.front().counts.at(column - 1);
}

bool rises(const DataRows& t, std::size_t column) {
    return !t.rows.empty() &&
           t.rows.back().counts.at(column - 1) > t.rows.front().counts.at(column - 1);
}

// Straight enough that no curvature shows: a product of a first- or
// second-order reaction stays well below it even in short tables.
constexpr double kStraightGrowth = 0.98;

// The slope of the count while it grows, when that is a straight line; 0 otherwise.
double StraightGrowth(const DataRows& t, std::size_t column) {
    const std::vector<double> time = ColumnValues(t, 0), n = ColumnValues(t, column);
    std::size_t end = 0;
    while (n[end] != n.back())
        ++end;
    if (end + 1 < static_cast<std::size_t>(analysis::kMinimumRows))
        return 0;
    const analysis::LineFit line =
        analysis::FitLine(std::span(time).first(end + 1), std::span(n).first(end + 1));
    return line.slope > 0 && line.r2 >= kStraightGrowth ? line.slope : 0;
}

} // namespace

std::size_t DefaultAnalysisColumn(const DataRows& t) {
    if (t.columns.size() < 2)
        return 0;
    for (std::size_t c = 1; c < t.columns.size(); ++c)
        if (falls(t, c))
            return c;
    return 1;
}

ColumnAnalysis AnalyseColumn(const DataRows& t, std::size_t column) {
    if (column == 0 || column >= t.columns.size())
        throw std::out_of_range("not a species column of the table");
    ColumnAnalysis a;
    a.column = column;
    a.rises = rises(t, column);
    a.formationRate = a.rises ? StraightGrowth(t, column) : 0;
    a.constantRate = a.formationRate > 0;
    try {
        a.fits = analysis::AnalyseOrders(ColumnValues(t, 0), ColumnValues(t, column));
    } catch (const std::invalid_argument&) {
        // Too few rows, or a species absent from all but one: more data needed.
    }
    return a;
}

std::optional<std::size_t> SpeciesColumn(const DataRows& t, const std::string& species) {
    for (std::size_t c = 1; c < t.columns.size(); ++c)
        if (t.columns[c] == species)
            return c;
    return std::nullopt;
}

} // namespace tarvon
