#pragma once

#include "assets/document_runs.h"
#include "assets/document_values.h"

#include <QImage>

namespace assets {

// Every count of a run against time, one coloured curve per species; axis titles and numbers
// in the document's language.
QImage countsFigure(const RunTable& table, const DocumentLanguage& language = CatalanDocuments());

// N, ln N and 1/N of one column against time, side by side, each with its
// least-squares line and R². Rows where N is 0 are left out of ln N and 1/N.
QImage ordersFigure(const RunTable& table, std::size_t column,
                    const DocumentLanguage& language = CatalanDocuments());

} // namespace assets
