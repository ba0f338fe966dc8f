#pragma once

#include "launcher/message_box.h"

#include <filesystem>
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
    // False when no application could be asked to open it.
    virtual bool open(const std::filesystem::path& file) = 0;
};

// What the export and document commands reach outside the program.
struct DocumentServices {
    Clipboard& clipboard;
    DocumentOpener& opener;
    MessageBox& messages;
    std::filesystem::path dataFolder;      // "Arxius_orvalis", read only
    std::filesystem::path documentsFolder; // where written documents go
};

} // namespace tarvon
