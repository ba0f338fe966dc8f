#include "window/order_report.h"

#include "window/column_analysis.h"

#include <charconv>
#include <cmath>

namespace tarvon {

namespace {

constexpr const char* kAxisOf[3] = {"N", "ln N", "1/N"};
// k in particles and seconds, by order.
constexpr const char* kUnitOf[3] = {"partícules/s", "1/s", "1/(partícules·s)"};

std::string Superscript(int exponent) {
    static const char* const digits[] = {"⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹"};
    std::string text = exponent < 0 ? "⁻" : "";
    for (const char c : std::to_string(std::abs(exponent)))
        text += digits[c - '0'];
    return text;
}

std::string WithSeparator(std::string text, char separator) {
    for (char& c : text)
        if (c == '.')
            c = separator;
    return text;
}

std::string Fixed(double value, int decimals, char separator) {
    char buf[48];
    const auto res =
        std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, decimals);
    return WithSeparator(std::string(buf, res.ptr), separator);
}

// Below it no line describes the data well, whichever fits best.
constexpr double kPoorFit = 0.9;

void CollectPoints(OrderReport& r, const DataRows& table, std::size_t column) {
    const std::vector<double> t = ColumnValues(table, 0), n = ColumnValues(table, column);
    r.points[0] = {t, n};
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (n[i] <= 0)
            continue; // ln N and 1/N have no value at N = 0
        r.points[1].t.push_back(t[i]);
        r.points[1].y.push_back(std::log(n[i]));
        r.points[2].t.push_back(t[i]);
        r.points[2].y.push_back(1 / n[i]);
    }
}

std::string FitLine(const analysis::OrderAnalysis& a, int order, char sep) {
    const analysis::OrderFit& f = a.fits[order];
    return "Ordre " + std::to_string(order) + " (" + kAxisOf[order] +
           "): R² = " + Fixed(f.line.r2, 4, sep) +
           ", pendent = " + FormatSignificant(f.line.slope, sep) +
           ", k = " + FormatSignificant(f.k, sep) + " " + kUnitOf[order];
}

std::string HalfLifeLine(const OrderReport& r, const analysis::OrderAnalysis& a, char sep) {
    static const char* const formula[3] = {"N0/(2k)", "ln 2/k", "1/(k·N0)"};
    if (r.rising)
        return "El temps de semireacció no s'aplica: " + r.column +
               " és un producte i el seu nombre augmenta.";
    if (!std::isfinite(a.halfLife))
        return "El temps de semireacció no es pot calcular: k és 0.";
    return "Temps de semireacció (ordre " + std::to_string(a.best) + ", " + formula[a.best] +
           "): " + FormatSignificant(a.halfLife, sep) + " s";
}

std::string InitialRateLine(const OrderReport& r, const analysis::OrderAnalysis& a, char sep) {
    const std::size_t rows =
        std::min<std::size_t>(r.points[0].t.size(), analysis::kInitialRateRows);
    return std::string("Velocitat inicial ") + (r.rising ? "de formació" : "de desaparició") +
           " (recta per les " + std::to_string(rows) +
           " primeres files): " + FormatSignificant(a.initialRate, sep) + " partícules/s";
}

void Describe(OrderReport& r, const analysis::OrderAnalysis& a, char sep) {
    for (int order = 0; order < 3; ++order)
        r.lines.push_back(FitLine(a, order, sep));
    r.lines.push_back("k és el valor absolut del pendent, en partícules i segons, sense cap "
                      "factor estequiomètric.");
    if (r.rising) {
        r.lines.push_back(r.column +
                          " és un producte: la recta d'ordre 0 dóna la seva "
                          "velocitat de formació, " +
                          FormatSignificant(a.fits[0].k, sep) + " partícules/s.");
        if (r.constantRate)
            r.lines.push_back(r.column + " es forma a velocitat constant mentre augmenta, " +
                              FormatSignificant(r.formationRate, sep) +
                              " partícules/s: la reacció és d'ordre 0.");
        else
            r.lines.push_back(r.column + " no es forma a velocitat constant, i les rectes de ln N "
                                         "i 1/N d'un producte no donen l'ordre de la reacció: "
                                         "per trobar-lo, trieu un reactiu.");
        r.lines.push_back(HalfLifeLine(r, a, sep));
        r.lines.push_back(InitialRateLine(r, a, sep));
        return;
    }
    r.lines.push_back("L'ordre que s'ajusta millor és " + std::to_string(a.best) + ".");
    if (a.fits[a.best].line.r2 < kPoorFit)
        r.lines.push_back("Cap de les tres rectes no s'ajusta bé a les dades (el millor R² és "
                          "menor que " +
                          Fixed(kPoorFit, 1, sep) + "): no mostren un ordre clar.");
    if (!a.decided)
        r.lines.push_back("Les dades no permeten decidir l'ordre: el R² del millor ajust supera "
                          "el del següent en menys de 0,01.");
    r.lines.push_back(HalfLifeLine(r, a, sep));
    r.lines.push_back(InitialRateLine(r, a, sep));
}

} // namespace

OrderReport BuildOrderReport(const DataRows& table, std::size_t column, char sep) {
    OrderReport r;
    r.separator = sep;
    if (column == 0 || column >= table.columns.size()) {
        r.lines.push_back("No hi ha dades: trieu una reacció i preneu dades al menú Cinètica.");
        return r;
    }
    const ColumnAnalysis a = AnalyseColumn(table, column);
    r.column = table.columns[column];
    r.rising = a.rises;
    r.constantRate = a.constantRate;
    r.formationRate = a.formationRate;
    r.fits = a.fits;
    CollectPoints(r, table, column);
    if (!r.fits) {
        const bool fewRows = table.rows.size() < static_cast<std::size_t>(analysis::kMinimumRows);
        r.lines.push_back(
            "Calen més dades: l'anàlisi necessita almenys " +
            std::to_string(analysis::kMinimumRows) + " files" +
            (fewRows ? std::string() : ", i dues amb " + r.column + " diferent de 0") + ".");
        return r;
    }
    Describe(r, *r.fits, sep);
    return r;
}

std::string FormatSignificant(double value, char sep, int digits) {
    if (std::isnan(value))
        return "-";
    if (value == 0)
        return "0";
    const int exponent = static_cast<int>(std::floor(std::log10(std::abs(value))));
    char buf[64];
    if (exponent < -3 || exponent >= 6) {
        const double mantissa = value / std::pow(10.0, exponent);
        const auto res =
            std::to_chars(buf, buf + sizeof buf, mantissa, std::chars_format::general, digits);
        return WithSeparator(std::string(buf, res.ptr), sep) + "·10" + Superscript(exponent);
    }
    const auto res =
        std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, digits);
    return WithSeparator(std::string(buf, res.ptr), sep);
}

} // namespace tarvon
