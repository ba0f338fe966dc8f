#pragma once

#include "analysis/reaction_order.h"
#include "window/data_table.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace tarvon {

// One column of the table as numbers: 0 the times, then the counts.
std::vector<double> ColumnValues(const DataRows& t, std::size_t column);

// The column the order analysis starts on: the first species whose count
// falls from the first row to the last, a reactant; the first species when
// none falls; 0 without species.
std::size_t DefaultAnalysisColumn(const DataRows& t);

// The order analysis of one species column of the table.
struct ColumnAnalysis {
    std::size_t column = 0; // in t.columns, 1 for the first species
    // Its count grew from the first row to the last: a product, whose
    // zero-order line is its rate of formation.
    bool rises = false;
    // A product's ln N and 1/N lines say nothing of the reaction's order;
    // only a straight N line does: formed at a constant rate, the reaction is
    // of order 0. Judged until the count first reaches its last value, so
    // that a reactant used up before the table ends does not hide it.
    bool constantRate = false;
    double formationRate = 0; // particles per second while it grows, if constant
    // Empty while the table has too few rows, or too few with the species
    // present, for every line.
    std::optional<analysis::OrderAnalysis> fits;
};

// Throws std::out_of_range for a column that is not a species of the table.
ColumnAnalysis AnalyseColumn(const DataRows& t, std::size_t column);

// The column of a species named as in the header ("HI"); none for any other
// name, "Temps" included.
std::optional<std::size_t> SpeciesColumn(const DataRows& t, const std::string& species);

} // namespace tarvon
