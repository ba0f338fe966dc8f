#include "startup/data_folder.h"

namespace tarvon {

std::filesystem::path FindDataFolder(const std::filesystem::path& workingDir,
                                     const std::filesystem::path& programDir) {
    std::error_code ec; // an unreadable folder is a folder without data
    const std::filesystem::path inWorkingDir = workingDir / kDataFolderName;
    if (std::filesystem::is_directory(inWorkingDir, ec))
        return inWorkingDir;
    std::filesystem::path own = programDir;
    if (!own.has_filename()) // written with a trailing separator
        own = own.parent_path();
    if (own.filename() == kDataFolderName)
        return own;
    return own / kDataFolderName;
}

} // namespace tarvon
