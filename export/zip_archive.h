#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tarvon {

// One member of a zip archive, uncompressed.
struct ZipEntry {
    std::string name;
    std::string data;
    unsigned long dosDate = 0; // modification time, MS-DOS format
};

// Every entry of the archive at `path`, in archive order; empty when it cannot
// be opened or any entry cannot be read.
std::optional<std::vector<ZipEntry>> ReadZipEntries(const std::string& path);

// Writes the entries in order to a new archive at `path`, deflated except the
// one named `storedName`, which is stored uncompressed. False on any error.
bool WriteZipEntries(const std::string& path, const std::vector<ZipEntry>& entries,
                     const std::string& storedName);

} // namespace tarvon
