#pragma once

#include "assets/document_figures.h"

#include <QString>
#include <QTextDocument>

#include <vector>

namespace assets {

// Where each page of a document laid out as one column starts: a page ends above the first line
// it would slice, and never on a heading. A line taller than a page is cut anyway.
std::vector<qreal> pageStarts(const QTextDocument& document, qreal pageHeight);

// Writes an HTML source as an A4 portrait PDF with 2 cm margins, page by page, with the
// document's <title> and the page number in the footer. Throws DocumentError when the file
// cannot be written.
void writePagedPdf(const QString& html, const QString& path, const DocumentFigures& figures = {});

} // namespace assets
