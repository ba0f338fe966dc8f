#pragma once

#include "texts/language.h"
#include "window/data_table.h"

#include <xlsxwriter.h>

namespace tarvon {

// The workbook's second sheet. Every language's name is a valid sheet name:
// at most 31 characters, none of []:*?/\.
inline constexpr TextKey kFullaAnalisi = TX("export", "Anàlisi");

// Adds the sheet "Anàlisi", in the words of `lang`: the settings the table was taken with, the
// least-squares lines of N, ln N and 1/N against time (R², slope, k) for each
// species column, the values they were fitted to, and a chart of each line.
// False on any error of the library.
bool AfegirFullaAnalisi(lxw_workbook* book, const DataRows& Taula, const Language& lang);

} // namespace tarvon
