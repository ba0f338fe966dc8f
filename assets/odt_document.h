#pragma once

#include <QString>
#include <QTextDocument>

#include <memory>

namespace assets {

// The document an HTML source becomes in the OpenDocument file.
std::unique_ptr<QTextDocument> odtDocument(const QString& html);

// Writes an HTML source as an OpenDocument text. Throws DocumentError when it cannot.
void writeOdt(const QString& html, const QString& path);

} // namespace assets
