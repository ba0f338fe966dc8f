#pragma once

#include <string>
#include <string_view>

namespace tarvon {

// A file the runner is to write once its work is done, opened before the work
// starts so that a destination that cannot be written refuses the run at once.
// Opening creates a missing file but never truncates an existing one; the old
// contents go only when write() is given the new ones. A file created here and
// never written is removed again, so a failed or refused run leaves nothing.
class OutputFile {
public:
    OutputFile() = default;
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;
    ~OutputFile();

    // False, with the reason in error, when path cannot be opened for writing
    // or refuses a write at once (a full device). A pipe without a reader
    // fails at once instead of waiting for one.
    bool open(const std::string& path, std::string& error);

    // Replaces the contents with bytes and closes the file. False, with the
    // reason in error, when not all of them could be written; a file created
    // by open() is then removed.
    bool write(std::string_view bytes, std::string& error);

    // The path of a file created by open() and not yet written, for a signal
    // handler to remove; null otherwise.
    const char* pathToRemove() const { return created_ ? path_.c_str() : nullptr; }

private:
    void discard();

    int fd_ = -1;
    std::string path_;
    bool created_ = false;
};

} // namespace tarvon
