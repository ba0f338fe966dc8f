#pragma once

#include "assets/document_figures.h"

#include <QString>

namespace assets {

// Writes an HTML source as an A4 portrait PDF with 2 cm margins, page by page, with the
// document's <title> and the page number in the footer. Throws DocumentError when the file
// cannot be written.
void writePagedPdf(const QString& html, const QString& path, const DocumentFigures& figures = {});

} // namespace assets
