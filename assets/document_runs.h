#pragma once

#include "tools/sim_options.h"

#include <optional>
#include <string>
#include <vector>

namespace assets {

// A data table as numbers: the header's names, "Temps" first, and one row of
// values per line.
struct RunTable {
    std::vector<std::string> columns;
    std::vector<std::vector<double>> rows;

    std::optional<std::size_t> columnIndex(const std::string& name) const;
    std::vector<double> column(std::size_t index) const;
};

// A seeded run of the model that the documents quote.
struct DocumentRun {
    std::string name;
    tarvon::SimOptions options;
    RunTable table;
};

// The runs file: "NAME: ARGUMENTS" per line, the arguments as tarvon-sim takes
// them, a seed required; '#' starts a comment line. Throws DocumentError naming
// the line.
std::vector<DocumentRun> ParseRunsFile(const std::string& text);

// The table text the program writes, with '.' as decimal separator.
RunTable ParseDataTable(const std::string& text);

// Runs the model as tarvon-sim does and fills the run's table.
void RunModel(DocumentRun& run);

} // namespace assets
