#pragma once

#include "assets/document_figures.h"

#include <QString>
#include <QTextDocument>

#include <memory>

namespace assets {

// Reads a UTF-8 file whole; throws DocumentError when it cannot.
QString readSource(const QString& path);

// A document from an HTML source, with the documents' style sheet and the figures it names.
// Fonts and figures are measured on `device` when given (the PDF being written), on the screen
// otherwise.
std::unique_ptr<QTextDocument> htmlDocument(const QString& html, const DocumentFigures& figures,
                                            QPaintDevice* device = nullptr);

} // namespace assets
