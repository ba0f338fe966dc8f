#include "startup/number_text.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>
#include <stdexcept>

namespace tarvon {

namespace {

bool isDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

// Length of the longest prefix of `t` that reads as a decimal number.
std::size_t numberLength(std::string_view t) {
    std::size_t p = 0;
    if (p < t.size() && (t[p] == '+' || t[p] == '-'))
        ++p;
    std::size_t digits = 0;
    while (p < t.size() && isDigit(t[p]))
        ++p, ++digits;
    if (p < t.size() && t[p] == '.')
        for (++p; p < t.size() && isDigit(t[p]);)
            ++p, ++digits;
    if (digits == 0)
        return 0;
    // An exponent counts only when digits follow it.
    if (p < t.size() && (t[p] == 'e' || t[p] == 'E')) {
        std::size_t q = p + 1;
        if (q < t.size() && (t[q] == '+' || t[q] == '-'))
            ++q;
        if (q < t.size() && isDigit(t[q])) {
            while (q < t.size() && isDigit(t[q]))
                ++q;
            p = q;
        }
    }
    return p;
}

bool hasNegativeExponent(std::string_view number) {
    const std::size_t e = number.find_first_of("eE");
    return e != std::string_view::npos && e + 1 < number.size() && number[e + 1] == '-';
}

} // namespace

double LeadingNumber(std::string_view text) {
    const std::size_t start = text.find_first_not_of(" \t");
    if (start == std::string_view::npos)
        return 0;
    text.remove_prefix(start);
    std::size_t n = numberLength(text);
    if (n == 0)
        return 0;
    // from_chars ignores the locale, which the GUI library sets from the
    // environment (a Catalan one would want a decimal comma).
    bool negative = false;
    if (text[0] == '+' || text[0] == '-') {
        negative = text[0] == '-';
        text.remove_prefix(1);
        --n;
    }
    double value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + n, value);
    (void)end;
    if (ec == std::errc::result_out_of_range)
        value =
            hasNegativeExponent(text.substr(0, n)) ? 0.0 : std::numeric_limits<double>::infinity();
    return negative ? -value : value;
}

int RoundToInt16(double value) {
    const double r = std::nearbyint(value); // default rounding: halves to even
    if (!(r >= -32768.0 && r <= 32767.0))
        throw std::overflow_error("value outside the 16-bit range");
    return static_cast<int>(r);
}

std::string NumberText(float value) {
    char buffer[32];
    const auto [end, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 7);
    (void)ec; // 32 characters always hold 7 significant digits
    std::string digits(buffer, end);
    for (char& c : digits)
        if (c == 'e')
            c = 'E';
    const bool negative = digits[0] == '-';
    if (negative)
        digits.erase(0, 1);
    if (digits.size() > 1 && digits[0] == '0' && digits[1] == '.')
        digits.erase(0, 1);
    return (negative ? "-" : " ") + digits;
}

} // namespace tarvon
