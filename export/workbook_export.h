#pragma once

#include "window/data_table.h"

#include <string>

namespace tarvon {

// The worksheet the table goes to, named as in the reaction workbooks.
inline constexpr char kFullaDades[] = "Hoja1";

// Writes the kinetic data table as an .xlsx workbook at `path`: the table from
// A3 as pasting its text would put it (numbers as numbers), and beside it a
// chart of every count column against time titled `Reaccio`; then the sheet
// "Anàlisi" with the run's settings and the order analysis of every count
// column. False on any error, with its cause in `reason` when given; nothing
// is left at `path` then, as far as possible.
bool EscriureLlibreDades(const std::string& path, const DataRows& Taula, const std::string& Reaccio,
                         std::string* reason = nullptr);

} // namespace tarvon
