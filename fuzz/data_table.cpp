// The data table: times in the general format with either separator, the
// interval rows up to their limit, and the text the table is handed on as.
#include "window/data_table.h"
#include "fuzz/fuzz_check.h"
#include "reactions/registry.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace tarvon;

// A time as the table writes it, read back.
double ReadBack(std::string text, char separator) {
    for (char& c : text)
        if (c == separator)
            c = '.';
    return std::strtod(text.c_str(), nullptr);
}

void CheckTime(float value, char separator) {
    const std::string text = FormatGeneral(value, separator);
    FUZZ_CHECK(text.find_first_of("\t\r\n") == std::string::npos);
    if (std::isfinite(value)) // seven significant digits
        FUZZ_CHECK(std::fabs(ReadBack(text, separator) - value) <= 6e-7 * std::fabs(value));
}

std::vector<std::string> Split(const std::string& text, const std::string& by) {
    std::vector<std::string> parts;
    std::size_t from = 0;
    for (std::size_t at; (at = text.find(by, from)) != std::string::npos; from = at + by.size())
        parts.push_back(text.substr(from, at - from));
    parts.push_back(text.substr(from));
    return parts;
}

// The text has the title, the header, then one line per row with every field.
void CheckText(const DataRows& t, char separator) {
    const std::vector<std::string> lines = Split(TaulaDades(t, separator, Catala()), "\r\n");
    FUZZ_CHECK(lines.back().empty());
    FUZZ_CHECK(lines.size() == 3 + t.rows.size());
    FUZZ_CHECK(lines[0] == kTitolDades);
    for (std::size_t r = 0; r < t.rows.size(); ++r) {
        const std::vector<std::string> fields = Split(lines[2 + r], "\t");
        FUZZ_CHECK(fields.size() == t.columns.size());
        FUZZ_CHECK(fields[0] == FormatGeneral(t.rows[r].Temps, separator));
    }
}

constexpr float kIntervals[] = {0.5f, 1, 2, 5, 10};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const auto state = std::make_unique<SimulationState>();
    FuzzedDataProvider in(data, size);
    const char separator = in.ConsumeBool() ? ',' : '.';
    CheckTime(in.ConsumeFloatingPoint<float>(), separator);

    SimulationState& s = *state;
    const auto reactions = Reactions();
    s.Reaccio = reactions[in.ConsumeIntegralInRange<std::size_t>(0, reactions.size() - 1)];
    s.Ara = in.ConsumeFloatingPointInRange<double>(0, 86400);
    DataTaking d;
    d.Interval = in.PickValueInArray(kIntervals);
    IniciarDades(d, s, s.Ara);
    int sinceStart = 0;
    const int ticks = in.ConsumeIntegralInRange(0, 3000);
    for (int k = 0; k < ticks && in.remaining_bytes() > 0; ++k) {
        switch (in.ConsumeIntegralInRange(0, 15)) {
        case 0: // stopped, then started again: the table goes on
            AturarDades(d);
            IniciarDades(d, s, s.Ara);
            sinceStart = 0;
            break;
        case 1: // a long pause, as after a freeze
            s.Ara += in.ConsumeFloatingPointInRange<double>(0, 600);
            break;
        default:
            s.Ara += in.ConsumeFloatingPointInRange<double>(0, 2.0 * d.Interval);
        }
        const std::size_t before = d.Taula.rows.size();
        if (PrendreFilaInterval(d, s)) {
            ++sinceStart;
            FUZZ_CHECK(d.Taula.rows.size() == before + 1);
            // Row times only grow.
            FUZZ_CHECK(before == 0 || d.Taula.rows[before].Temps > d.Taula.rows[before - 1].Temps);
        }
        FUZZ_CHECK(sinceStart <= kMaxRegistres && d.NombreRegistres <= kMaxRegistres);
    }
    CheckText(d.Taula, separator);
    return 0;
}
