#include "assets/document_runs.h"

#include "assets/document_error.h"
#include "tools/sim_run.h"

#include <algorithm>
#include <cctype>
#include <sstream>

namespace assets {

namespace {

std::vector<std::string> split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::string part;
    std::istringstream in(text);
    while (std::getline(in, part, separator))
        parts.push_back(part);
    return parts;
}

std::vector<std::string> words(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string w; in >> w;)
        out.push_back(w);
    return out;
}

bool validName(const std::string& name) {
    return !name.empty() && std::all_of(name.begin(), name.end(), [](unsigned char c) {
        return std::islower(c) || std::isdigit(c);
    });
}

DocumentRun parseRunLine(const std::string& line) {
    const std::size_t colon = line.find(':');
    if (colon == std::string::npos)
        throw DocumentError("expected NAME: ARGUMENTS");
    DocumentRun run;
    const std::vector<std::string> name = words(line.substr(0, colon));
    if (name.size() != 1 || !validName(name[0]))
        throw DocumentError("a run's name is lowercase letters and digits");
    run.name = name[0];
    const tarvon::SimOptionsResult parsed = tarvon::ParseSimOptions(words(line.substr(colon + 1)));
    if (!parsed.ok())
        throw DocumentError(parsed.error);
    if (!parsed.options.seed || !parsed.options.png.empty() || parsed.options.bench ||
        parsed.options.help || !parsed.options.analyse.empty())
        throw DocumentError("a run needs --seed and takes no --png, --bench, --analyse or --help");
    run.options = parsed.options;
    return run;
}

double number(const std::string& field) {
    std::size_t used = 0;
    double value = 0;
    try {
        value = std::stod(field, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used == 0 || used != field.size())
        throw DocumentError("not a number in a data table: " + field);
    return value;
}

} // namespace

std::optional<std::size_t> RunTable::columnIndex(const std::string& name) const {
    const auto it = std::find(columns.begin(), columns.end(), name);
    if (it == columns.end())
        return std::nullopt;
    return static_cast<std::size_t>(it - columns.begin());
}

std::vector<double> RunTable::column(std::size_t index) const {
    std::vector<double> values;
    for (const auto& row : rows)
        values.push_back(row.at(index));
    return values;
}

std::vector<DocumentRun> ParseRunsFile(const std::string& text) {
    std::vector<DocumentRun> runs;
    int number = 0;
    for (std::string line : split(text, '\n')) {
        ++number;
        line.erase(std::remove(line.begin(), line.end(), '\r'), line.end());
        if (words(line).empty() || words(line)[0].starts_with('#'))
            continue;
        try {
            runs.push_back(parseRunLine(line));
        } catch (const DocumentError& e) {
            throw DocumentError("runs line " + std::to_string(number) + ": " + e.what());
        }
        const auto same = [&](const DocumentRun& r) { return r.name == runs.back().name; };
        if (std::count_if(runs.begin(), runs.end(), same) > 1)
            throw DocumentError("runs line " + std::to_string(number) + ": " + runs.back().name +
                                " is named twice");
    }
    return runs;
}

RunTable ParseDataTable(const std::string& text) {
    std::vector<std::string> lines = split(text, '\n');
    for (std::string& line : lines)
        line.erase(std::remove(line.begin(), line.end(), '\r'), line.end());
    if (lines.size() < 2)
        throw DocumentError("a data table needs its title and header");
    RunTable table;
    table.columns = split(lines[1], '\t');
    for (std::size_t i = 2; i < lines.size(); ++i) {
        if (lines[i].empty())
            continue;
        std::vector<double> row;
        for (const std::string& field : split(lines[i], '\t'))
            row.push_back(number(field));
        if (row.size() != table.columns.size())
            throw DocumentError("a data row's fields differ from its header: " + lines[i]);
        table.rows.push_back(row);
    }
    return table;
}

void RunModel(DocumentRun& run) {
    tarvon::SimRun sim(run.options, *run.options.seed, '.');
    sim.run();
    run.table = ParseDataTable(sim.table());
}

} // namespace assets
