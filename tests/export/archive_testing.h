#pragma once

// Archives read back with minizip's unzip API, apart from the code under test.
#include <gtest/gtest.h>
#include <unzip.h>

#include <unistd.h>

#include <array>
#include <filesystem>
#include <string>
#include <vector>

namespace tarvon::testing {

struct StoredEntry {
    std::string name;
    unsigned long method; // 0 stored, 8 deflated
    std::string data;
};

inline std::vector<StoredEntry> ReadArchive(const std::string& path) {
    std::vector<StoredEntry> entries;
    unzFile zip = unzOpen64(path.c_str());
    for (int s = unzGoToFirstFile(zip); zip && s == UNZ_OK; s = unzGoToNextFile(zip)) {
        unz_file_info64 info{};
        std::array<char, 4096> buf{};
        unzGetCurrentFileInfo64(zip, &info, buf.data(), buf.size(), nullptr, 0, nullptr, 0);
        StoredEntry& e = entries.emplace_back(buf.data(), info.compression_method, "");
        unzOpenCurrentFile(zip);
        for (int n; (n = unzReadCurrentFile(zip, buf.data(), buf.size())) > 0;)
            e.data.append(buf.data(), static_cast<std::size_t>(n));
        unzCloseCurrentFile(zip);
    }
    unzClose(zip);
    return entries;
}

inline std::string EntryData(const std::vector<StoredEntry>& entries, const std::string& name) {
    for (const auto& e : entries)
        if (e.name == name)
            return e.data;
    return "<missing>";
}

// A folder of its own for each test process.
struct ScratchFolder : ::testing::Test {
    std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("tarvon_files_" + std::to_string(getpid()));
    void SetUp() override { std::filesystem::create_directories(dir); }
    void TearDown() override { std::filesystem::remove_all(dir); }
};

} // namespace tarvon::testing
