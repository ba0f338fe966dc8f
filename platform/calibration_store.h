#pragma once

#include <optional>
#include <string>

namespace tarvon {

// Where the calibration file lives: read by Tarvon, written by the calibration
// run, deleted when the launcher is left through its exit commands.
class CalibrationStore {
public:
    enum class Removal { Deleted, NotThere, Failed };
    struct RemoveResult {
        Removal outcome = Removal::Deleted;
        std::string error; // the file operation's message when it failed
    };

    virtual ~CalibrationStore() = default;
    // The file's bytes, or nullopt when it cannot be read.
    virtual std::optional<std::string> read() = 0;
    // Replaces the file as a whole; the error message when that failed.
    virtual std::optional<std::string> write(const std::string& bytes) = 0;
    virtual RemoveResult remove() = 0;
};

} // namespace tarvon
