#pragma once

#include "analysis/reaction_order.h"
#include "texts/language.h"
#include "window/data_table.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace tarvon {

// The points of one order's line: t against N, ln N or 1/N.
struct OrderPoints {
    std::vector<double> t, y;
};

// What the order analysis window shows for one column of the table.
struct OrderReport {
    std::string column;
    char separator = ',';              // the decimal separator its numbers are written with
    bool rising = false;               // a product: the count grows
    bool constantRate = false;         // a product formed at a constant rate: order 0
    double formationRate = 0;          // its particles per second while it grows
    std::array<OrderPoints, 3> points; // by order; N = 0 left out of orders 1 and 2
    std::optional<analysis::OrderAnalysis> fits; // empty until there are data enough
    std::vector<std::string> lines;              // the text, one line each
};

// Fits N, ln N and 1/N of a species column against time and says what they
// show. `column` counts in the table's columns, 1 for the first species;
// outside its species, the report says there are no data.
OrderReport BuildOrderReport(const DataRows& table, std::size_t column, char decimalSeparator,
                             const Language& lang);

// Six significant digits with the given separator; small and large magnitudes
// as a power of ten ("2,5·10⁻⁵").
std::string FormatSignificant(double value, char decimalSeparator, int digits = 6);

} // namespace tarvon
