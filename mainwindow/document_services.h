#pragma once

#include "launcher/message_box.h"

#include <filesystem>
#include <functional>
#include <string>

namespace tarvon {

// The system clipboard, as text.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual void setText(const std::string& text) = 0;
};

// Opens a file with the application the desktop associates with its type.
class DocumentOpener {
public:
    virtual ~DocumentOpener() = default;
    // `failed` runs once when the file could not be opened: at once, or later,
    // when the desktop's opener, a separate process, reports it.
    virtual void open(const std::filesystem::path& file, std::function<void()> failed) = 0;
};

// A short text shown over the window for a few seconds; it needs no answer.
class Notice {
public:
    virtual ~Notice() = default;
    virtual void show(const std::string& text) = 0;
};

// What the export and document commands reach outside the program.
struct DocumentServices {
    Clipboard& clipboard;
    DocumentOpener& opener;
    MessageBox& messages;
    Notice& notice;
    std::filesystem::path dataFolder;      // "Arxius_orvalis", read only
    std::filesystem::path documentsFolder; // where written documents go
    // The notes file this session made; later "Document de text" opens it again.
    std::filesystem::path notesFile{};
};

} // namespace tarvon
