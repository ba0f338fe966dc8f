#pragma once

#include "assets/document_figures.h"

#include <QString>
#include <QTextDocument>

#include <memory>

namespace assets {

// The document an HTML source becomes in the OpenDocument file.
std::unique_ptr<QTextDocument> odtDocument(const QString& html,
                                           const DocumentFigures& figures = {});

// Writes an HTML source as an OpenDocument text. Throws DocumentError when it cannot.
void writeOdt(const QString& html, const QString& path, const DocumentFigures& figures = {});

} // namespace assets
