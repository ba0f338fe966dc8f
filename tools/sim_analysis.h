#pragma once

#include "window/data_table.h"

#include <cstddef>
#include <optional>
#include <string>

namespace tarvon {

// The order analysis of one species column as tarvon-sim prints it: a header
// `ordre R2 pendent k`, a line for each order 0, 1 and 2 (R² with four
// decimals, slope and k with six significant digits), then `millor N`, or
// `millor -` when the best R² is ahead of the next by less than 0.01. TAB
// between fields, CR LF after every line; the keys stay as written.
// Empty when the table has too few rows to fit.
std::optional<std::string> AnalysisText(const DataRows& t, std::size_t column,
                                        char decimalSeparator);

} // namespace tarvon
