#pragma once

#include "platform/clipboard.h"
#include "platform/document_opener.h"
#include "platform/message_box.h"
#include "platform/notice.h"
#include "texts/idioma.h"
#include "texts/language.h"
#include "window/document_writers.h"

#include <filesystem>
#include <string>

namespace tarvon {

// What the export and document commands reach outside the program.
struct DocumentServices {
    Clipboard& clipboard;
    DocumentOpener& opener;
    MessageBox& messages;
    Notice& notice;
    DocumentWriters& writers;
    std::filesystem::path dataFolder;      // "Arxius_orvalis", read only
    std::filesystem::path documentsFolder; // where written documents go
    // The notes file this session made; later "Document de text" opens it again.
    std::filesystem::path notesFile{};
    const Language& lang = Catala(); // the words of its messages and notices
    // The language of the documents opened and of the names of the copies made.
    Idioma idioma = Idioma::Catala;
};

} // namespace tarvon
