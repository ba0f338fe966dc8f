#pragma once

#include <filesystem>
#include <functional>
#include <string>

namespace tarvon {

// Opens a file with the application the desktop associates with its type.
class DocumentOpener {
public:
    virtual ~DocumentOpener() = default;
    // `failed` runs once, with the reason, when the file could not be opened:
    // at once, or later, when the desktop's opener, a separate process,
    // reports it.
    using Failed = std::function<void(const std::string& reason)>;
    virtual void open(const std::filesystem::path& file, Failed failed) = 0;
};

} // namespace tarvon
