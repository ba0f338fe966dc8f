#pragma once

#include <filesystem>

namespace tarvon {

inline constexpr const char* kDataFolderName = "Arxius_orvalis";

// The data folder: the one in the working directory when it holds one,
// otherwise the one beside the program (or the program's own folder when the
// program lives inside it), so a shortcut that starts elsewhere still works.
std::filesystem::path FindDataFolder(const std::filesystem::path& workingDir,
                                     const std::filesystem::path& programDir);

} // namespace tarvon
