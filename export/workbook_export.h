#pragma once

#include "texts/language.h"
#include "window/data_table.h"

#include <string>

namespace tarvon {

// The worksheet the table goes to, named as in the reaction workbooks. Every
// language's name is a valid sheet name: at most 31 characters, none of []:*?/\.
inline constexpr TextKey kFullaDades = TX("export", "Hoja1");

// Writes the kinetic data table as an .xlsx workbook at `path`: the table from
// A3 as pasting its text would put it (numbers as numbers), and beside it a
// chart of every count column against time titled `Reaccio`; then the sheet
// "Anàlisi" with the run's settings and the order analysis of every count
// column. Every text in it, sheet names included, is in the words of `lang`.
// False on any error, with its cause in `reason` when given; nothing
// is left at `path` then, as far as possible.
bool EscriureLlibreDades(const std::string& path, const DataRows& Taula, const std::string& Reaccio,
                         const Language& lang, std::string* reason = nullptr);

} // namespace tarvon
