#pragma once

#include "assets/document_values.h"

#include <QString>

#include <vector>

namespace assets {

// One language's set of the teaching documents: its sources in the sources folder's
// subfolder, its files in the data folder's subfolder of the same name ("" for Catalan, the
// sources' own language, at the top).
struct DocumentEdition {
    QString folder;
    QString languageName; // for the build's messages
    DocumentLanguage language;
};

// Catalan, then Spanish and English with the words of the programs' built-in catalogues
// (:/i18n): those the menus show and those the figures print. Throws DocumentError when a
// catalogue cannot be read.
const std::vector<DocumentEdition>& documentEditions();

} // namespace assets
