#include "base/files/file_access.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <optional>
#include <string>

#include "base/core/user_error.h"

namespace corvanta {
namespace {

constexpr unsigned kOwnerAndGroup = 0660;

// The umask as the kernel reports it; reading it this way does not change it for a moment,
// as umask() itself would.
std::optional<unsigned> reportedUmask() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("Umask:", 0) == 0) return std::stoul(line.substr(6), nullptr, 8);
    }
    return std::nullopt;
}

}  // namespace

unsigned newFileMode() {
    unsigned mask = 0;
    if (const auto reported = reportedUmask()) {
        mask = *reported;
    } else {
        const mode_t previous = ::umask(077);
        ::umask(previous);
        mask = previous;
    }
    return kOwnerAndGroup & ~mask;
}

bool readableFileExists(const std::filesystem::path& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        const int err = errno;
        if (err == ENOENT || err == ENOTDIR) return false;
        const std::string name = path.filename().string();
        throw FileError("The file \"" + name +
                            "\" is there but cannot be read: " + std::strerror(err) +
                            ". Nothing was read from it; see the folder's permissions.",
                        name);
    }
    struct stat st {};
    const bool regular = ::fstat(fd, &st) == 0 && !S_ISDIR(st.st_mode);
    ::close(fd);
    return regular;
}

}  // namespace corvanta
