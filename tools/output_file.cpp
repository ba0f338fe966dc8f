#include "tools/output_file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tarvon {

namespace {

std::string describe(int err) {
    // A pipe with no reader: waiting for one could take for ever.
    if (err == ENXIO)
        return "no process is reading this pipe";
    return std::strerror(err);
}

bool blocking(int fd) {
    const int flags = ::fcntl(fd, F_GETFL);
    return flags >= 0 && ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) == 0;
}

// 0, or the error number of the write that failed.
int writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return errno;
        if (n == 0)
            return EIO;
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return 0;
}

// A file gets its room first, so that a full disk or a size limit fails while
// the old contents are still whole; then it is overwritten and cut to size.
// A pipe or a device just takes the bytes.
int replaceContents(int fd, std::string_view bytes) {
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        return errno;
    if (!S_ISREG(st.st_mode))
        return writeAll(fd, bytes);
    const auto size = static_cast<off_t>(bytes.size());
    if (const int err = size > 0 ? ::posix_fallocate(fd, 0, size) : 0; err != 0)
        return err;
    if (::lseek(fd, 0, SEEK_SET) < 0)
        return errno;
    if (const int err = writeAll(fd, bytes); err != 0)
        return err;
    return ::ftruncate(fd, size) == 0 ? 0 : errno;
}

} // namespace

OutputFile::~OutputFile() {
    discard();
}

void OutputFile::discard() {
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
    if (created_)
        ::unlink(path_.c_str());
    created_ = false;
}

bool OutputFile::open(const std::string& path, std::string& error) {
    discard();
    path_ = path;
    // Non-blocking only to open: a pipe without a reader must not hang us.
    constexpr int kFlags = O_WRONLY | O_NOCTTY | O_CLOEXEC | O_NONBLOCK;
    fd_ = ::open(path.c_str(), kFlags | O_CREAT | O_EXCL, 0666);
    created_ = fd_ >= 0;
    if (fd_ < 0 && errno == EEXIST)
        fd_ = ::open(path.c_str(), kFlags);
    // Writes block again, so a slow reader of a pipe gets the whole picture.
    // A write of nothing reaches the device: /dev/full refuses it, a file or a
    // pipe takes it without a change.
    if (fd_ < 0 || !blocking(fd_) || ::write(fd_, "", 0) < 0) {
        error = describe(errno);
        discard();
        return false;
    }
    return true;
}

bool OutputFile::write(std::string_view bytes, std::string& error) {
    if (fd_ < 0) {
        error = describe(EBADF);
        return false;
    }
    const int err = replaceContents(fd_, bytes);
    const bool closed = ::close(fd_) == 0;
    fd_ = -1;
    if (err != 0 || !closed) {
        error = describe(err != 0 ? err : errno);
        discard();
        return false;
    }
    created_ = false;
    return true;
}

} // namespace tarvon
