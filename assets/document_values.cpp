#include "assets/document_values.h"

#include "analysis/reaction_order.h"
#include "assets/document_error.h"
#include "assets/value_expression.h"
#include "reactions/reaction_description.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <map>

namespace assets {

namespace {

constexpr double kSameTime = 1e-6;

std::string withDecimal(std::string text, char decimal) {
    for (char& c : text)
        if (c == '.')
            c = decimal;
    return text;
}

double parseTime(const std::string& text, const std::string& name) {
    std::size_t used = 0;
    double t = 0;
    try {
        t = std::stod(text, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used == 0 || used != text.size())
        throw DocumentError(name + ": bad time '" + text + "'");
    return t;
}

std::size_t rowAt(const RunTable& table, double t, const std::string& name) {
    for (std::size_t i = 0; i < table.rows.size(); ++i)
        if (std::abs(table.rows[i][0] - t) < kSameTime)
            return i;
    throw DocumentError(name + ": the run has no row at that time");
}

// "Temps" and formulas as a table header: the digits of a formula subscript.
std::string headerCell(const std::string& column, const tarvon::Language& words) {
    if (column == "Temps")
        return words(TX("assets", "Temps (s)"));
    std::string out;
    for (char c : column)
        out += std::isdigit(static_cast<unsigned char>(c)) ? "<sub>" + std::string(1, c) + "</sub>"
                                                           : std::string(1, c);
    return out;
}

std::string htmlTable(const RunTable& table, const DocumentLanguage& language) {
    std::string html = "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\"><tr>";
    for (const std::string& c : table.columns)
        html += "<th>" + headerCell(c, *language.words) + "</th>";
    html += "</tr>";
    for (const auto& row : table.rows) {
        html += "<tr>";
        for (double v : row)
            html += "<td>" + FormatDocumentNumber(v, false, language.decimal) + "</td>";
        html += "</tr>";
    }
    return html + "</table>";
}

std::string diameterText(float diameter, char decimal) {
    return diameter == 1.5f ? withDecimal("1.5:1", decimal) : "1:1";
}

} // namespace

DocumentLanguage CatalanDocuments() {
    return {&tarvon::Catala(), ','};
}

std::string FormatDocumentNumber(double value, bool r2, char decimal) {
    if (!std::isfinite(value))
        throw DocumentError("a value is not a finite number");
    char buffer[64];
    if (r2) {
        std::snprintf(buffer, sizeof buffer, "%.3f", value);
        return withDecimal(buffer, decimal);
    }
    if (std::abs(value - std::round(value)) < 1e-9)
        return std::to_string(std::llround(value));
    const int magnitude = static_cast<int>(std::floor(std::log10(std::abs(value))));
    const int decimals = std::max(0, 2 - magnitude);
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    std::string text = buffer;
    if (text.find('.') != std::string::npos) {
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.')
            text.pop_back();
    }
    return withDecimal(text, decimal);
}

DocumentValues::DocumentValues(std::vector<DocumentRun> runs) : runs_(std::move(runs)) {}

const DocumentRun& DocumentValues::run(const std::string& name) const {
    for (const DocumentRun& r : runs_)
        if (r.name == name)
            return r;
    throw DocumentError("no run named '" + name + "'");
}

std::pair<const DocumentRun*, std::size_t>
DocumentValues::series(const std::string& runDotSpecies) const {
    const std::size_t dot = runDotSpecies.find('.');
    if (dot == std::string::npos)
        throw DocumentError("'" + runDotSpecies + "' names no run and species");
    const DocumentRun& r = run(runDotSpecies.substr(0, dot));
    const std::string species = runDotSpecies.substr(dot + 1);
    const auto column = r.table.columnIndex(species);
    if (!column || *column == 0)
        throw DocumentError("run '" + r.name + "' has no column '" + species + "'");
    return {&r, *column};
}

DocumentValues::Value DocumentValues::setting(const DocumentRun& r, const std::string& key,
                                              const DocumentLanguage& language) const {
    const tarvon::SimOptions& o = r.options;
    static const std::map<std::string, int> keys{{"reaccio", 0}, {"particules", 1}, {"llavor", 2},
                                                 {"durada", 3},  {"interval", 4},   {"diametre", 5},
                                                 {"volum", 7},   {"taula", 6}};
    switch (keys.at(key)) {
    case 0:
        return Value(std::string(o.reaction->key));
    case 1:
        return {static_cast<double>(o.particles)};
    case 2:
        return {static_cast<double>(*o.seed)};
    case 3:
        return {o.duration};
    case 4:
        return {o.interval};
    case 5:
        return Value(diameterText(o.diameter, language.decimal));
    case 7:
        return Value(
            (*language.words)(o.fixedVolume ? TX("assets", "constant") : TX("assets", "variable")));
    default:
        return Value(htmlTable(r.table, language));
    }
}

DocumentValues::Value DocumentValues::speciesValue(const DocumentRun& r, std::size_t column,
                                                   const std::string& key) const {
    const std::string name = r.name + "." + r.table.columns[column] + key;
    const RunTable& table = r.table;
    if (table.rows.empty())
        throw DocumentError(name + ": the run took no rows");
    const auto countAt = [&](const std::string& time) {
        return table.rows[rowAt(table, parseTime(time, name), name)][column];
    };
    if (key.starts_with('@'))
        return {countAt(key.substr(1))};
    if (key == ".inicial")
        return {table.rows.front()[column]};
    if (key == ".final")
        return {table.rows.back()[column]};
    if (key.starts_with(".vmitjana@")) {
        const std::string range = key.substr(10);
        const std::size_t dash = range.find('-');
        if (dash == std::string::npos)
            throw DocumentError(name + ": expected a range A-B");
        const double a = parseTime(range.substr(0, dash), name);
        const double b = parseTime(range.substr(dash + 1), name);
        if (b <= a)
            throw DocumentError(name + ": the range must run forwards");
        return {std::abs(countAt(range.substr(dash + 1)) - countAt(range.substr(0, dash))) /
                (b - a)};
    }
    if (key.starts_with(".temps@")) {
        // The first row at which the count has come down, or up, to the level.
        const double level = parseTime(key.substr(7), name);
        const bool falling = table.rows.front()[column] > level;
        for (const auto& row : table.rows)
            if (falling ? row[column] <= level : row[column] >= level)
                return {row[0]};
        throw DocumentError(name + ": the count never reaches that level");
    }
    if (key == ".meitat") {
        const double half = table.rows.front()[column] / 2;
        for (const auto& row : table.rows)
            if (row[column] <= half)
                return {row[0]};
        throw DocumentError(name + ": the count never falls to half");
    }
    analysis::OrderAnalysis a;
    try {
        a = analysis::AnalyseOrders(table.column(0), table.column(column));
    } catch (const std::invalid_argument& e) {
        throw DocumentError(name + ": " + e.what());
    }
    if (key == ".millor")
        return a.decided ? Value(static_cast<double>(a.best)) : Value(std::string("-"));
    if (key == ".decidit") // a number, for the claims
        return {a.decided ? 1.0 : 0.0};
    if (key == ".semivida")
        return {a.halfLife};
    if (key == ".vinicial")
        return {a.initialRate};
    for (int order = 0; order < 3; ++order) {
        const std::string prefix = ".ordre" + std::to_string(order) + ".";
        if (!key.starts_with(prefix))
            continue;
        const std::string what = key.substr(prefix.size());
        if (what == "r2")
            return Value(a.fits[order].line.r2, true);
        if (what == "pendent")
            return {a.fits[order].line.slope};
        if (what == "k")
            return {a.fits[order].k};
    }
    throw DocumentError("no value named '" + name + "'");
}

DocumentValues::Value DocumentValues::value(const std::string& name,
                                            const DocumentLanguage& language) const {
    const std::size_t dot = name.find('.');
    if (dot == std::string::npos)
        throw DocumentError("no value named '" + name + "'");
    const DocumentRun& r = run(name.substr(0, dot));
    const std::string rest = name.substr(dot + 1);
    static const char* const settings[] = {"reaccio",  "particules", "llavor", "durada",
                                           "interval", "diametre",   "volum",  "taula"};
    for (const char* s : settings)
        if (rest == s)
            return setting(r, rest, language);
    const std::size_t end = rest.find_first_of(".@");
    const auto [found, column] = series(r.name + "." + rest.substr(0, end));
    return speciesValue(*found, column, end == std::string::npos ? "" : rest.substr(end));
}

double DocumentValues::number(const std::string& expression) const {
    return EvaluateExpression(expression, [this](const std::string& n) {
        const Value v = value(n, CatalanDocuments()); // a number: no words
        if (!v.text.empty())
            throw DocumentError("'" + n + "' is text, not a number");
        return v.number;
    });
}

void DocumentValues::checkClaim(const std::string& claim) const {
    const std::size_t op = claim.find_first_of("<>");
    if (op == std::string::npos || claim.find_first_of("<>", op + 1) != std::string::npos)
        throw DocumentError("{{?" + claim + "}}: a claim compares two values with < or >");
    const double left = number(claim.substr(0, op)), right = number(claim.substr(op + 1));
    if (claim[op] == '<' ? !(left < right) : !(left > right))
        throw DocumentError("{{?" + claim + "}} does not hold: " + FormatDocumentNumber(left) +
                            " " + claim[op] + " " + FormatDocumentNumber(right));
}

std::string DocumentValues::text(const std::string& expression,
                                 const DocumentLanguage& language) const {
    const std::size_t first = expression.find_first_not_of(" \t");
    if (first != std::string::npos && expression[first] == '?') {
        checkClaim(expression.substr(first + 1));
        return {};
    }
    std::string name;
    if (IsSingleName(expression, name)) {
        const Value v = value(name, language);
        return v.text.empty() ? FormatDocumentNumber(v.number, v.r2, language.decimal) : v.text;
    }
    return FormatDocumentNumber(number(expression), false, language.decimal);
}

std::string SubstituteValues(const std::string& source, const DocumentValues& values,
                             const DocumentLanguage& language) {
    std::string out, errors;
    std::size_t pos = 0;
    for (std::size_t open; (open = source.find("{{", pos)) != std::string::npos;) {
        const std::size_t close = source.find("}}", open + 2);
        if (close == std::string::npos) {
            errors += "\n  '{{' without '}}'";
            break;
        }
        out += source.substr(pos, open - pos);
        const std::string expression = source.substr(open + 2, close - open - 2);
        try {
            out += values.text(expression, language);
        } catch (const DocumentError& e) {
            errors += std::string("\n  ") + e.what();
        }
        pos = close + 2;
    }
    if (!errors.empty())
        throw DocumentError("values that were not computed:" + errors);
    return out + source.substr(std::min(pos, source.size()));
}

} // namespace assets
