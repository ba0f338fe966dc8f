#pragma once

#include <string>
#include <sys/types.h>

namespace tarvon {

// A folder only its owner can enter, for the single-instance socket.
struct PrivateFolder {
    std::string path;    // empty: no such folder, run without the guard
    std::string problem; // why, when path is empty
};

// True when `path` is a folder (not a link) owned by `uid` that nobody else
// may read, write or enter.
bool IsPrivateFolder(const std::string& path, uid_t uid);

// The user's runtime folder when it is private; otherwise "tarvon-<uid>" in
// the temporary folder, made private when missing. A folder of that name that
// someone else owns or opened to others is never used: another user could
// then take the socket's name first.
PrivateFolder FindPrivateFolder(uid_t uid, const std::string& runtimeFolder,
                                const std::string& tempFolder);

} // namespace tarvon
