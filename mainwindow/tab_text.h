#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tarvon {

// Tab-separated text split as a spreadsheet pastes it: one row per line
// (CR LF or LF), one field per TAB. A final line end adds no empty row.
std::vector<std::vector<std::string>> SplitTabText(const std::string& text);

// The value of a field that is a plain finite number written with
// `decimalSeparator` ("0,5", "200", "1e-07"); empty for anything else.
std::optional<double> ParseNumber(const std::string& field, char decimalSeparator);

} // namespace tarvon
