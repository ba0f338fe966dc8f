#pragma once

#include "texts/idioma.h"

#include <filesystem>
#include <string>

namespace tarvon {

// The names, in the user's language, of the copies the document commands
// write in the documents folder; a taken name gets " (2)", " (3)"...
struct NomsCopies {
    const char* notes;    // the notes file made from Dades.txt
    const char* form;     // the copy of the report form
    const char* workbook; // the workbook of the data table, then the reaction's key
};

NomsCopies NomsCopiesDe(Idioma idioma);

// A document of the data folder in `idioma`: Catalan at the top of the
// folder, the others in its language's subfolder ("es/", "en/") under the same
// name. A data folder from an older install has only the Catalan ones, which
// are given then.
std::filesystem::path DocumentEnIdioma(const std::filesystem::path& dataFolder, Idioma idioma,
                                       const std::string& name);

} // namespace tarvon
