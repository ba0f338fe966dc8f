#include "window/free_file_name.h"

#include <cerrno>
#include <cstdio>
#include <system_error>

namespace tarvon {

namespace {

// A name is enough to stop at: a folder that keeps refusing is not writable.
constexpr int kMaxIntents = 1000;

std::filesystem::path Candidate(const std::filesystem::path& folder, const std::string& stem,
                                const std::string& extension, int n) {
    const std::string number = n == 1 ? "" : " (" + std::to_string(n) + ")";
    return folder / (stem + number + extension);
}

} // namespace

std::optional<std::filesystem::path> ReservarNomLliure(const std::filesystem::path& folder,
                                                       const std::string& stem,
                                                       const std::string& extension,
                                                       std::error_code& error) {
    std::error_code ignored; // a folder that cannot be made shows in the first fopen
    std::filesystem::create_directories(folder, ignored);
    for (int n = 1; n <= kMaxIntents; ++n) {
        const std::filesystem::path path = Candidate(folder, stem, extension, n);
        // "x": created only if it does not exist, so two exports never share a name.
        if (std::FILE* f = std::fopen(path.string().c_str(), "wx")) {
            std::fclose(f);
            error.clear();
            return path;
        }
        error = std::error_code(errno, std::generic_category());
        if (errno != EEXIST)
            return std::nullopt;
    }
    return std::nullopt;
}

} // namespace tarvon
