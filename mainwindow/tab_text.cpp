#include "mainwindow/tab_text.h"

#include <charconv>
#include <cmath>

namespace tarvon {

namespace {

std::vector<std::string> SplitFields(const std::string& line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1)
        fields.push_back(line.substr(start, tab - start));
    fields.push_back(line.substr(start));
    return fields;
}

} // namespace

std::vector<std::vector<std::string>> SplitTabText(const std::string& text) {
    std::vector<std::vector<std::string>> rows;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        rows.push_back(SplitFields(line));
        start = end + 1;
    }
    return rows;
}

std::optional<double> ParseNumber(const std::string& field, char decimalSeparator) {
    // A '.' is only a decimal point when it is the separator in use.
    if (field.empty() || (decimalSeparator != '.' && field.find('.') != std::string::npos))
        return std::nullopt;
    std::string text = field;
    for (char& c : text)
        if (c == decimalSeparator)
            c = '.';
    double value = 0;
    const char* end = text.data() + text.size();
    const auto res = std::from_chars(text.data(), end, value);
    // from_chars also takes "inf" and "nan"; a spreadsheet keeps those as text.
    if (res.ec != std::errc() || res.ptr != end || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace tarvon
