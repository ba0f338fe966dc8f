// The zip reader beneath the report form, on any file: what it reads can be
// written again and reads back the same.
#include "export/zip_archive.h"
#include "fuzz/fuzz_check.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

// In memory where the system offers it: on disk the writes, not the reader,
// would set the pace.
std::string TempPath(const char* name) {
    std::error_code ec;
    const std::filesystem::path folder =
        std::filesystem::is_directory("/dev/shm", ec) && ::access("/dev/shm", W_OK) == 0
            ? std::filesystem::path("/dev/shm")
            : std::filesystem::temp_directory_path();
    return (folder / ("zip-fuzz-" + std::to_string(::getpid()) + "-" + name)).string();
}

bool SameEntries(const std::vector<tarvon::ZipEntry>& a, const std::vector<tarvon::ZipEntry>& b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i].name != b[i].name || a[i].data != b[i].data)
            return false;
    return true;
}

const std::string input = TempPath("in.zip");
const std::string output = TempPath("out.zip");

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::FILE* f = std::fopen(input.c_str(), "wb");
    FUZZ_CHECK(f != nullptr);
    FUZZ_CHECK(std::fwrite(data, 1, size, f) == size);
    FUZZ_CHECK(std::fclose(f) == 0);

    const auto entries = tarvon::ReadZipEntries(input);
    std::remove(input.c_str()); // nothing left behind when the run ends
    if (entries && !entries->empty()) {
        FUZZ_CHECK(tarvon::WriteZipEntries(output, *entries, entries->front().name));
        const auto again = tarvon::ReadZipEntries(output);
        std::remove(output.c_str());
        FUZZ_CHECK(again && SameEntries(*entries, *again));
    }
    return 0;
}
