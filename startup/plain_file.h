#pragma once

#include <optional>
#include <string>

namespace tarvon {

// What a path names, following symbolic links.
enum class PathKind { Missing, RegularFile, Other };

PathKind KindOf(const std::string& path);

// Reads at most `maxBytes` of a regular file without ever blocking: a FIFO, a
// device, a socket or a folder at the path, or any error, gives nullopt.
std::optional<std::string> ReadPlainFile(const std::string& path, std::size_t maxBytes);

} // namespace tarvon
