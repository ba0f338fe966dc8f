#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <system_error>

namespace tarvon {

// Creates an empty file named stem + extension in folder, or, when that name
// is taken, stem + " (2)" + extension, " (3)" and so on, so that nothing the
// user kept is overwritten. The folder is created if missing. Empty when no
// file can be created there; `error` then says why.
std::optional<std::filesystem::path> ReservarNomLliure(const std::filesystem::path& folder,
                                                       const std::string& stem,
                                                       const std::string& extension,
                                                       std::error_code& error);

// The same, for a caller that does not tell why.
inline std::optional<std::filesystem::path> ReservarNomLliure(const std::filesystem::path& folder,
                                                              const std::string& stem,
                                                              const std::string& extension) {
    std::error_code ignored;
    return ReservarNomLliure(folder, stem, extension, ignored);
}

} // namespace tarvon
