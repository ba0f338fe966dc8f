#include "startup/particle_budget.h"

#include "platform/calibration_store.h"
#include "startup/number_text.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

namespace tarvon {

namespace {

constexpr int kSmallestSide = 9;
constexpr int kLargestSide = 20;

bool isLineEnd(char c) {
    return c == '\r' || c == '\n';
}

// Reads one field from `pos`: leading blanks skipped, ended by a comma or a
// line end (CR LF counts as one). False when the text ends before a field.
bool readField(std::string_view text, std::size_t& pos, std::string& field) {
    while (pos < text.size() && text[pos] == ' ')
        ++pos;
    if (pos >= text.size())
        return false;
    const std::size_t end = std::min(text.find_first_of(",\r\n", pos), text.size());
    field.assign(text.substr(pos, end - pos));
    pos = end;
    if (pos < text.size() && text[pos] == '\r')
        ++pos;
    if (pos < text.size() && (text[pos] == ',' || isLineEnd(text[pos])))
        ++pos;
    return true;
}

// The side of the particle square; throws on any failure.
int sideFromFile(std::string_view text) {
    std::size_t pos = 0;
    std::string field;
    if (!readField(text, pos, field) || !readField(text, pos, field))
        throw std::runtime_error("fewer than two fields");
    const int count = RoundToInt16(LeadingNumber(field));
    if (count < 0)
        throw std::domain_error("negative count");
    return RoundToInt16(std::sqrt(static_cast<double>(count)));
}

} // namespace

ParticleBudget ParticleBudgetFromFile(const std::optional<std::string_view>& contents) {
    int side = 0;
    if (contents) {
        try {
            side = sideFromFile(*contents);
        } catch (const std::exception&) {
            side = 0; // a damaged file is the same as no file
        }
    }
    side = std::clamp(side, kSmallestSide, kLargestSide);
    return {side * side, side};
}

} // namespace tarvon

namespace tarvon {

ParticleBudget ReadParticleBudget(CalibrationStore& store) {
    const std::optional<std::string> bytes = store.read();
    if (!bytes)
        return ParticleBudgetFromFile(std::nullopt);
    return ParticleBudgetFromFile(std::string_view(*bytes));
}

} // namespace tarvon
