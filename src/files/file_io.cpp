#include "files/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>
#include <vector>

#include "core/user_error.h"

namespace corvanta {
namespace {

std::string displayName(const std::filesystem::path& path) { return path.filename().string(); }

[[noreturn]] void failWrite(const std::filesystem::path& path, int err) {
    throw FileError("Could not save the file \"" + displayName(path) + "\": " + std::strerror(err) +
                        ". The copy on disk was not changed.",
                    displayName(path));
}

// Closes a descriptor and removes the temporary file unless the rename happened.
class TempFile {
  public:
    explicit TempFile(std::string pattern) : name_(std::move(pattern)) {
        std::vector<char> buf(name_.begin(), name_.end());
        buf.push_back('\0');
        fd_ = ::mkstemp(buf.data());  // created with mode 0600
        name_.assign(buf.data());
    }
    ~TempFile() {
        if (fd_ >= 0) ::close(fd_);
        if (!renamed_) ::unlink(name_.c_str());
    }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    [[nodiscard]] int fd() const { return fd_; }
    [[nodiscard]] const std::string& name() const { return name_; }
    int close() {
        const int rc = ::close(fd_);
        fd_ = -1;
        return rc;
    }
    void markRenamed() { renamed_ = true; }

  private:
    std::string name_;
    int fd_ = -1;
    bool renamed_ = false;
};

bool writeAll(int fd, std::string_view content) {
    while (!content.empty()) {
        const ssize_t n = ::write(fd, content.data(), content.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        content.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

void syncFolder(const std::filesystem::path& folder) {
    const int dfd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (dfd >= 0) {
        ::fsync(dfd);
        ::close(dfd);
    }
}

}  // namespace

void writeFileAtomically(const std::filesystem::path& path, std::string_view content,
                         bool durable) {
    const std::filesystem::path folder = path.parent_path();
    const std::string base = path.filename().string();
    TempFile temp((folder / ("." + base + ".tmpXXXXXX")).string());
    if (temp.fd() < 0) failWrite(path, errno);
    struct stat existing {};
    if (::stat(path.c_str(), &existing) == 0 &&
        ::fchmod(temp.fd(), existing.st_mode & 07777) != 0) {
        failWrite(path, errno);
    }
    if (!writeAll(temp.fd(), content)) failWrite(path, errno);
    if (durable && ::fsync(temp.fd()) != 0) failWrite(path, errno);
    if (temp.close() != 0) failWrite(path, errno);
    if (::rename(temp.name().c_str(), path.c_str()) != 0) failWrite(path, errno);
    temp.markRenamed();
    if (durable) syncFolder(folder);
}

bool canOpenForReading(const std::filesystem::path& path) {
    const int fd = ::open(path.c_str(), O_RDONLY);
    if (fd < 0) return false;
    struct stat st {};
    const bool regular = ::fstat(fd, &st) == 0 && !S_ISDIR(st.st_mode);
    ::close(fd);
    return regular;
}

std::optional<std::string> readFileIfExists(const std::filesystem::path& path) {
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    std::ostringstream data;
    if (in) data << in.rdbuf();
    if (!in || in.bad()) {
        throw FileError(
            "Could not read the file \"" + displayName(path) + "\": " + std::strerror(errno) + ".",
            displayName(path));
    }
    return data.str();
}

}  // namespace corvanta
