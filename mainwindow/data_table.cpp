#include "mainwindow/data_table.h"

#include "engine/reaction_key.h"

#include <array>
#include <charconv>
#include <vector>

namespace tarvon {

namespace {

constexpr char kEndOfLine[] = "\r\n";

std::vector<int> CountsOf(const SimulationState& s) {
    switch (reactionFromKey(s.Reaccio)) {
    case Reaction::FeO:
        return {s.nO2};
    case Reaction::NH3:
        return {s.nN2, s.nH2, s.nNH3};
    case Reaction::HI:
        return {s.nHI, s.nH2, s.nI2};
    case Reaction::HgO:
        return {s.nHg, s.nO2};
    case Reaction::None:
        break;
    }
    return {};
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

std::string CapcaleraDades(const std::string& Reaccio) {
    switch (reactionFromKey(Reaccio)) {
    case Reaction::FeO:
        return "Temps\tO2\r\n";
    case Reaction::NH3:
        return "Temps\tN2\tH2\tNH3\r\n";
    case Reaction::HI:
        return "Temps\tHI\tH2\tI2\r\n";
    case Reaction::HgO:
        return "Temps\tHg\tO2\r\n";
    case Reaction::None:
        break;
    }
    return {};
}

std::string FilaDades(float temps, const SimulationState& s, char decimalSeparator) {
    std::string row = FormatGeneral(temps, decimalSeparator);
    for (const int n : CountsOf(s))
        row += '\t' + std::to_string(n);
    return row + kEndOfLine;
}

TableStart IniciarDades(DataTaking& d, const SimulationState& s, double now,
                        char decimalSeparator) {
    d.DarrerRegistre = now;
    if (d.NombreRegistres != 0) {
        d.TempsBase = static_cast<float>(d.NombreRegistres) * d.Interval + d.TempsBase;
        d.NombreRegistres = 0;
        return TableStart::Continued;
    }
    d.TempsBase = 0;
    d.TaulaDades = std::string(kTitolDades) + kEndOfLine;
    if (reactionFromKey(s.Reaccio) != Reaction::None)
        d.TaulaDades += CapcaleraDades(s.Reaccio) + FilaDades(0, s, decimalSeparator);
    return TableStart::New;
}

void AturarDades(DataTaking& d) {
    d.DarrerRegistre.reset();
    d.NombreRegistres = 0;
}

void EsborrarDades(DataTaking& d) {
    AturarDades(d);
    d.TaulaDades.clear();
}

bool PrendreFilaInterval(DataTaking& d, const SimulationState& s, char decimalSeparator) {
    if (!d.DarrerRegistre || d.NombreRegistres >= kMaxRegistres || d.Interval == kIntervalCrono)
        return false;
    if (static_cast<float>(s.Ara - *d.DarrerRegistre) < d.Interval)
        return false;
    ++d.NombreRegistres;
    const float temps = static_cast<float>(d.NombreRegistres) * d.Interval + d.TempsBase;
    d.TaulaDades += FilaDades(temps, s, decimalSeparator);
    // The next row is due one interval after this row's due time, so a tick
    // that does not divide the interval never lets the rows fall behind the
    // clock. A tick already due for the next row too (after a freeze, on a
    // busy machine) starts the schedule again here: one row, not a burst.
    const double due = *d.DarrerRegistre + d.Interval;
    d.DarrerRegistre = static_cast<float>(s.Ara - due) < d.Interval ? due : s.Ara;
    return true;
}

bool PrendreFilaCrono(DataTaking& d, const SimulationState& s, char decimalSeparator) {
    if (!(d.MarcaCrono > 0))
        return false;
    d.TaulaDades += FilaDades(d.TempsCrono + d.MarcaCrono, s, decimalSeparator);
    d.TempsCrono += d.MarcaCrono;
    d.MarcaCrono = 0;
    // Interval rows taken beside the laps count again from this row.
    if (d.DarrerRegistre)
        d.DarrerRegistre = s.Ara;
    return true;
}

} // namespace tarvon
