#include "window/column_analysis.h"

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
    try {
        a.fits = analysis::AnalyseOrders(ColumnValues(t, 0), ColumnValues(t, column));
    } catch (const std::invalid_argument&) {
        // Too few rows, or a species absent from all but one: more data needed.
    }
    return a;
}

bool FormedAtConstantRate(const ColumnAnalysis& a) {
    return a.rises && a.fits && a.fits->decided && a.fits->best == 0 &&
           a.fits->fits[0].line.r2 >= kPoorFit;
}

std::optional<std::size_t> SpeciesColumn(const DataRows& t, const std::string& species) {
    for (std::size_t c = 1; c < t.columns.size(); ++c)
        if (t.columns[c] == species)
            return c;
    return std::nullopt;
}

} // namespace tarvon
