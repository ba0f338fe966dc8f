#pragma once

#include <filesystem>
#include <functional>

namespace tarvon {

// Opens a file with the application the desktop associates with its type.
class DocumentOpener {
public:
    virtual ~DocumentOpener() = default;
    // `failed` runs once when the file could not be opened: at once, or later,
    // when the desktop's opener, a separate process, reports it.
    virtual void open(const std::filesystem::path& file, std::function<void()> failed) = 0;
};

} // namespace tarvon
