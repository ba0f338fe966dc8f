#include "export/zip_archive.h"

#include <unzip.h>
#include <zip.h>

#include <array>
#include <memory>

namespace tarvon {

namespace {

struct UnzipCloser {
    void operator()(void* archive) const { unzClose(archive); }
};
using UnzipHandle = std::unique_ptr<void, UnzipCloser>;

std::optional<ZipEntry> ReadCurrentEntry(unzFile archive) {
    unz_file_info64 info{};
    std::array<char, 1024> name{};
    if (unzGetCurrentFileInfo64(archive, &info, name.data(), name.size(), nullptr, 0, nullptr, 0) !=
            UNZ_OK ||
        info.size_filename >= name.size() || unzOpenCurrentFile(archive) != UNZ_OK)
        return std::nullopt;
    ZipEntry entry{name.data(), {}, info.dosDate};
    std::array<char, 16384> buffer{};
    int read = 0;
    while ((read = unzReadCurrentFile(archive, buffer.data(), buffer.size())) > 0)
        entry.data.append(buffer.data(), static_cast<std::size_t>(read));
    // Closing checks the CRC of what was read.
    if (unzCloseCurrentFile(archive) != UNZ_OK || read < 0)
        return std::nullopt;
    return entry;
}

bool WriteEntry(zipFile archive, const ZipEntry& entry, bool stored) {
    zip_fileinfo info{};
    info.dosDate = entry.dosDate;
    const int method = stored ? 0 : Z_DEFLATED;
    const int level = stored ? 0 : Z_DEFAULT_COMPRESSION;
    if (zipOpenNewFileInZip64(archive, entry.name.c_str(), &info, nullptr, 0, nullptr, 0, nullptr,
                              method, level, 0) != ZIP_OK)
        return false;
    const bool written = zipWriteInFileInZip(archive, entry.data.data(),
                                             static_cast<unsigned>(entry.data.size())) == ZIP_OK;
    return zipCloseFileInZip(archive) == ZIP_OK && written;
}

} // namespace

std::optional<std::vector<ZipEntry>> ReadZipEntries(const std::string& path) {
    const UnzipHandle archive(unzOpen64(path.c_str()));
    if (!archive)
        return std::nullopt;
    std::vector<ZipEntry> entries;
    int status = unzGoToFirstFile(archive.get());
    for (; status == UNZ_OK; status = unzGoToNextFile(archive.get())) {
        auto entry = ReadCurrentEntry(archive.get());
        if (!entry)
            return std::nullopt;
        entries.push_back(std::move(*entry));
    }
    if (status != UNZ_END_OF_LIST_OF_FILE)
        return std::nullopt;
    return entries;
}

bool WriteZipEntries(const std::string& path, const std::vector<ZipEntry>& entries,
                     const std::string& storedName) {
    zipFile archive = zipOpen64(path.c_str(), APPEND_STATUS_CREATE);
    if (archive == nullptr)
        return false;
    bool ok = true;
    for (const ZipEntry& entry : entries)
        ok = ok && WriteEntry(archive, entry, entry.name == storedName);
    // Closing writes the central directory; without it the archive is unreadable.
    return zipClose(archive, nullptr) == ZIP_OK && ok;
}

} // namespace tarvon
