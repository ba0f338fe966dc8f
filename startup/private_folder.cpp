#include "startup/private_folder.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace tarvon {

bool IsPrivateFolder(const std::string& path, uid_t uid) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == uid &&
           (st.st_mode & (S_IRWXG | S_IRWXO)) == 0;
}

PrivateFolder FindPrivateFolder(uid_t uid, const std::string& runtimeFolder,
                                const std::string& tempFolder) {
    if (!runtimeFolder.empty() && IsPrivateFolder(runtimeFolder, uid))
        return {runtimeFolder, {}};
    const std::string folder = tempFolder + "/tarvon-" + std::to_string(uid);
    if (::mkdir(folder.c_str(), 0700) == 0) {
        ::chmod(folder.c_str(), 0700); // whatever the umask took away
    } else if (errno != EEXIST) {
        return {{}, folder + ": " + std::strerror(errno)};
    }
    if (!IsPrivateFolder(folder, uid))
        return {{}, folder + " is not a private folder of this user"};
    return {folder, {}};
}

} // namespace tarvon
