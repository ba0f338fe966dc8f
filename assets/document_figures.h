#pragma once

#include "assets/document_values.h"

#include <QImage>
#include <QString>
#include <QTextDocument>

#include <map>

namespace assets {

using DocumentFigures = std::map<QString, QImage>;

// The figures a source names in <img src="...">, painted at print resolution:
// "figura-perfil-energia.png" (the energy profile), "RUN.corbes.png" (a run's
// counts against time) and "RUN.SP.ordres.png" (the order lines of one column).
// Throws DocumentError naming every image that is not one of them.
// Their words and numbers are in `language`.
DocumentFigures figuresFor(const QString& html, const DocumentValues& values,
                           const DocumentLanguage& language = CatalanDocuments());

void addDocumentFigures(QTextDocument& document, const DocumentFigures& figures);

} // namespace assets
