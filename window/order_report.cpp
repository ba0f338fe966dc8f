#include "window/order_report.h"

#include "window/column_analysis.h"
#include "window/text_args.h"

#include <charconv>
#include <cmath>

namespace tarvon {

namespace {

constexpr const char* kAxisOf[3] = {"N", "ln N", "1/N"};
// k in particles and seconds, by order.
constexpr TextKey kUnitOf[3] = {TX("window", "partícules/s"), TX("window", "1/s"),
                                TX("window", "1/(partícules·s)")};

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

// The words of one report, with the separator its numbers are written with.
struct Words {
    const Language& lang;
    char sep;
    std::string operator()(const TextKey& key, std::initializer_list<std::string> args) const {
        return WithArgs(lang(key), args);
    }
    std::string number(double value) const { return FormatSignificant(value, sep); }
};

std::string FitLine(const analysis::OrderAnalysis& a, int order, const Words& w) {
    const analysis::OrderFit& f = a.fits[order];
    return w(TX("window", "Ordre %1 (%2): R² = %3, pendent = %4, k = %5 %6"),
             {std::to_string(order), kAxisOf[order], Fixed(f.line.r2, 4, w.sep),
              w.number(f.line.slope), w.number(f.k), w.lang(kUnitOf[order])});
}

std::string HalfLifeLine(const OrderReport& r, const analysis::OrderAnalysis& a, const Words& w) {
    static const char* const formula[3] = {"N0/(2k)", "ln 2/k", "1/(k·N0)"};
    if (r.rising)
        return w(TX("window", "El temps de semireacció no s'aplica: %1 és un producte i el seu "
                              "nombre augmenta."),
                 {r.column});
    if (!std::isfinite(a.halfLife))
        return w.lang(TX("window", "El temps de semireacció no es pot calcular: k és 0."));
    return w(TX("window", "Temps de semireacció (ordre %1, %2): %3 s"),
             {std::to_string(a.best), formula[a.best], w.number(a.halfLife)});
}

std::string InitialRateLine(const OrderReport& r, const analysis::OrderAnalysis& a,
                            const Words& w) {
    const std::size_t rows =
        std::min<std::size_t>(r.points[0].t.size(), analysis::kInitialRateRows);
    const TextKey line = r.rising ? TX("window", "Velocitat inicial de formació (recta per les "
                                                 "%1 primeres files): %2 partícules/s")
                                  : TX("window", "Velocitat inicial de desaparició (recta per les "
                                                 "%1 primeres files): %2 partícules/s");
    return w(line, {std::to_string(rows), w.number(a.initialRate)});
}

void DescribeProduct(OrderReport& r, const analysis::OrderAnalysis& a, const Words& w) {
    r.lines.push_back(w(TX("window", "%1 és un producte: la recta d'ordre 0 dóna la seva "
                                     "velocitat de formació, %2 partícules/s."),
                        {r.column, w.number(a.fits[0].k)}));
    if (r.constantRate)
        r.lines.push_back(w(TX("window", "%1 es forma a velocitat constant mentre augmenta, %2 "
                                         "partícules/s: la reacció és d'ordre 0."),
                            {r.column, w.number(r.formationRate)}));
    else
        r.lines.push_back(w(TX("window", "%1 no es forma a velocitat constant, i les rectes de "
                                         "ln N i 1/N d'un producte no donen l'ordre de la "
                                         "reacció: per trobar-lo, trieu un reactiu."),
                            {r.column}));
}

void DescribeReactant(OrderReport& r, const analysis::OrderAnalysis& a, const Words& w) {
    r.lines.push_back(
        w(TX("window", "L'ordre que s'ajusta millor és %1."), {std::to_string(a.best)}));
    if (a.fits[a.best].line.r2 < kPoorFit)
        r.lines.push_back(w(TX("window", "Cap de les tres rectes no s'ajusta bé a les dades (el "
                                         "millor R² és menor que %1): no mostren un ordre clar."),
                            {Fixed(kPoorFit, 1, w.sep)}));
    if (!a.decided)
        r.lines.push_back(w(TX("window", "Les dades no permeten decidir l'ordre: el R² del "
                                         "millor ajust supera el del següent en menys de %1."),
                            {Fixed(analysis::kUndecidedMargin, 2, w.sep)}));
}

void Describe(OrderReport& r, const analysis::OrderAnalysis& a, const Words& w) {
    for (int order = 0; order < 3; ++order)
        r.lines.push_back(FitLine(a, order, w));
    r.lines.push_back(w.lang(TX("window", "k és el valor absolut del pendent, en partícules i "
                                          "segons, sense cap factor estequiomètric.")));
    if (r.rising)
        DescribeProduct(r, a, w);
    else
        DescribeReactant(r, a, w);
    r.lines.push_back(HalfLifeLine(r, a, w));
    r.lines.push_back(InitialRateLine(r, a, w));
}

} // namespace

OrderReport BuildOrderReport(const DataRows& table, std::size_t column, char sep,
                             const Language& lang) {
    const Words w{lang, sep};
    OrderReport r;
    r.separator = sep;
    if (column == 0 || column >= table.columns.size()) {
        r.lines.push_back(lang(
            TX("window", "No hi ha dades: trieu una reacció i preneu dades al menú Cinètica.")));
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
        const std::string rows = std::to_string(analysis::kMinimumRows);
        r.lines.push_back(
            fewRows
                ? w(TX("window", "Calen més dades: l'anàlisi necessita almenys %1 files."), {rows})
                : w(TX("window", "Calen més dades: l'anàlisi necessita almenys %1 files, i "
                                 "dues amb %2 diferent de 0."),
                    {rows, r.column}));
        return r;
    }
    Describe(r, *r.fits, w);
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
