#pragma once

#include <QString>

namespace assets {

// How a source of assets/documents becomes a file of the data folder.
enum class DocumentKind {
    Pdf,    // A4 portrait pages with a footer
    Slides, // one landscape page per slide
    Odt,    // an editable text document
    Text,   // plain UTF-8 text with CR LF line ends
};

struct DocumentRecipe {
    QString fileName; // in the data folder; the programs open it by this name
    QString source;   // in the sources folder
    DocumentKind kind;
    bool form = false; // its first paragraph is the title after " — " (FormTitleProblem)
};

} // namespace assets
