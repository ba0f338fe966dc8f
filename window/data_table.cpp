#include "window/data_table.h"

#include "reactions/reaction_description.h"

#include <array>
#include <charconv>
#include <stdexcept>
#include <vector>

namespace tarvon {

namespace {

constexpr char kEndOfLine[] = "\r\n";

std::vector<int> CountsOf(const SimulationState& s) {
    std::vector<int> counts;
    if (s.Reaccio == nullptr)
        return counts;
    const std::span<const CounterBox> boxes = s.Reaccio->counters;
    for (const DataColumn& column : s.Reaccio->columns) {
        if (column.counter >= boxes.size())
            throw std::out_of_range("data column " + std::string(column.name));
        counts.push_back(boxes[column.counter].value(s));
    }
    return counts;
}

void AddRow(DataTaking& d, float temps, const SimulationState& s) {
    d.Taula.rows.push_back({temps, CountsOf(s)});
    ++d.Revisio;
}

} // namespace

std::string FormatGeneral(float value, char decimalSeparator) {
    std::array<char, 32> buf{};
    // Seven digits hide the noise of single precision (0.1 + 0.2 gives 0,3).
    const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), static_cast<double>(value),
                                   std::chars_format::general, 7);
    std::string text(buf.data(), res.ptr);
    for (char& c : text)
        if (c == '.')
            c = decimalSeparator;
    return text;
}

std::vector<std::string> ColumnesDades(const ReactionDescription* r) {
    if (r == nullptr)
        return {};
    std::vector<std::string> columns{kTempsText.source};
    for (const DataColumn& column : r->columns)
        columns.emplace_back(column.name);
    return columns;
}

std::string TaulaDades(const DataRows& t, char decimalSeparator, const Language& lang) {
    if (!t.started)
        return {};
    std::string text = lang(kTitolDadesText) + kEndOfLine;
    for (std::size_t i = 0; i < t.columns.size(); ++i) {
        const std::string& name = t.columns[i];
        text += (i ? "\t" : "") + (name == kTempsText.source ? lang(kTempsText) : name);
    }
    if (!t.columns.empty())
        text += kEndOfLine;
    for (const DataRow& row : t.rows) {
        text += FormatGeneral(row.Temps, decimalSeparator);
        for (const int n : row.counts)
            text += '\t' + std::to_string(n);
        text += kEndOfLine;
    }
    return text;
}

TableStart IniciarDades(DataTaking& d, const SimulationState& s, double now) {
    d.DarrerRegistre = now;
    if (d.NombreRegistres != 0) {
        d.TempsBase = static_cast<float>(d.NombreRegistres) * d.Interval + d.TempsBase;
        d.NombreRegistres = 0;
        return TableStart::Continued;
    }
    d.TempsBase = 0;
    d.Taula = {true, ColumnesDades(s.Reaccio), {}, {}};
    if (!d.Taula.columns.empty())
        AddRow(d, 0, s);
    ++d.Revisio;
    return TableStart::New;
}

void AturarDades(DataTaking& d) {
    d.DarrerRegistre.reset();
    d.NombreRegistres = 0;
}

void EsborrarDades(DataTaking& d) {
    AturarDades(d);
    d.Taula = {};
    ++d.Revisio;
}

bool PrendreFilaInterval(DataTaking& d, const SimulationState& s) {
    if (!d.DarrerRegistre || d.NombreRegistres >= kMaxRegistres || d.Interval == kIntervalCrono)
        return false;
    if (static_cast<float>(s.Ara - *d.DarrerRegistre) < d.Interval)
        return false;
    ++d.NombreRegistres;
    const float temps = static_cast<float>(d.NombreRegistres) * d.Interval + d.TempsBase;
    AddRow(d, temps, s);
    // The next row is due one interval after this row's due time, so a tick
    // that does not divide the interval never lets the rows fall behind the
    // clock. A tick already due for the next row too (after a freeze, on a
    // busy machine) starts the schedule again here: one row, not a burst.
    const double due = *d.DarrerRegistre + d.Interval;
    d.DarrerRegistre = static_cast<float>(s.Ara - due) < d.Interval ? due : s.Ara;
    return true;
}

bool PrendreFilaCrono(DataTaking& d, const SimulationState& s) {
    if (!(d.MarcaCrono > 0))
        return false;
    AddRow(d, d.TempsCrono + d.MarcaCrono, s);
    d.TempsCrono += d.MarcaCrono;
    d.MarcaCrono = 0;
    // Interval rows taken beside the laps count again from this row.
    if (d.DarrerRegistre)
        d.DarrerRegistre = s.Ara;
    return true;
}

} // namespace tarvon
