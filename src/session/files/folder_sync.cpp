#include "session/files/folder_sync.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "base/core/user_error.h"

namespace corvanta {
namespace {

template <typename Flush>
void flushFolder(const std::filesystem::path& folder, Flush flush) {
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    const bool failed = fd < 0 || flush(fd) != 0;
    const int err = errno;
    if (fd >= 0) ::close(fd);
    if (failed) {
        throw FileError("The folder " + folder.string() +
                            " could not be written to disk: " + std::strerror(err),
                        folder.string());
    }
}

}  // namespace

void syncFileSystemOf(const std::filesystem::path& folder) { flushFolder(folder, ::syncfs); }

void syncFolderEntries(const std::filesystem::path& folder) { flushFolder(folder, ::fsync); }

}  // namespace corvanta
