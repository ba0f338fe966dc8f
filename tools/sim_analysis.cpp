#include "tools/sim_analysis.h"

#include "window/column_analysis.h"

#include <array>
#include <charconv>

namespace tarvon {

namespace {

constexpr char kEndOfLine[] = "\r\n";

std::string number(double value, std::chars_format format, int precision, char separator) {
    std::array<char, 64> buf{};
    const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), value, format, precision);
    std::string text(buf.data(), res.ptr);
    for (char& c : text)
        if (c == '.')
            c = separator;
    return text == "-0" ? "0" : text;
}

} // namespace

std::optional<std::string> AnalysisText(const DataRows& t, std::size_t column,
                                        char decimalSeparator) {
    const ColumnAnalysis a = AnalyseColumn(t, column);
    if (!a.fits)
        return std::nullopt;
    std::string text = std::string("ordre\tR2\tpendent\tk") + kEndOfLine;
    for (int order = 0; order < 3; ++order) {
        const analysis::OrderFit& f = a.fits->fits[order];
        text += std::to_string(order) + '\t' +
                number(f.line.r2, std::chars_format::fixed, 4, decimalSeparator) + '\t' +
                number(f.line.slope, std::chars_format::general, 6, decimalSeparator) + '\t' +
                number(f.k, std::chars_format::general, 6, decimalSeparator) + kEndOfLine;
    }
    text += "millor\t";
    text += a.fits->decided ? std::to_string(a.fits->best) : "-";
    return text + kEndOfLine;
}

} // namespace tarvon
