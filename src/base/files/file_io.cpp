#include "base/files/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>
#include <vector>

#include "base/core/user_error.h"
#include "base/files/file_access.h"

namespace corvanta {
namespace {

std::string displayName(const std::filesystem::path& path) { return path.filename().string(); }

[[noreturn]] void failWrite(const std::filesystem::path& path, int err) {
    throw FileError("Could not save the file \"" + displayName(path) + "\": " + std::strerror(err) +
                        ". The copy on disk was not changed.",
                    displayName(path));
}

// A temporary file beside the target, never readable by others; removed unless it became the
// target.
class TempFile {
  public:
    explicit TempFile(const std::filesystem::path& target) {
        // longestEmployeeName() counts on what this adds to the target's name (11 bytes).
        std::string pattern =
            (target.parent_path() / ("." + target.filename().string() + ".tmpXXXXXX")).string();
        std::vector<char> buf(pattern.begin(), pattern.end());
        buf.push_back('\0');
        const int fd = ::mkstemp(buf.data());  // mode 0600
        if (fd >= 0) {
            // As the umask allows, for the owner and the group: a folder shared by a group.
            ::fchmod(fd, newFileMode());
            ::close(fd);
            name_ = buf.data();
        }
    }
    ~TempFile() {
        if (!name_.empty() && !kept_) ::unlink(name_.c_str());
    }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    [[nodiscard]] const std::string& name() const { return name_; }
    void keep() { kept_ = true; }

  private:
    std::string name_;
    bool kept_ = false;
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

// Gives the temporary file the target's mode (a new file keeps newFileMode) and flushes it.
void settle(const std::filesystem::path& path, const std::string& temp, bool durable) {
    const int fd = ::open(temp.c_str(), O_RDWR);
    if (fd < 0) failWrite(path, errno);
    struct stat existing {};
    const bool modeFailed =
        ::stat(path.c_str(), &existing) == 0 && ::fchmod(fd, existing.st_mode & 07777) != 0;
    const bool syncFailed = !modeFailed && durable && ::fsync(fd) != 0;
    const int err = errno;
    ::close(fd);
    if (modeFailed || syncFailed) failWrite(path, err);
}

void syncFolder(const std::filesystem::path& folder) {
    const int dfd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (dfd >= 0) {
        ::fsync(dfd);
        ::close(dfd);
    }
}

}  // namespace

bool holdsExactly(const std::filesystem::path& path, std::string_view content) {
    const int fd = ::open(path.c_str(), O_RDONLY);
    if (fd < 0) return false;
    struct stat st {};
    bool same = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) &&
                static_cast<std::size_t>(st.st_size) == content.size();
    std::string bytes(same ? content.size() : 0, '\0');
    std::size_t got = 0;
    while (same && got < bytes.size()) {
        const ssize_t n = ::read(fd, bytes.data() + got, bytes.size() - got);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) same = false;
        got += n > 0 ? static_cast<std::size_t>(n) : 0;
    }
    ::close(fd);
    return same && bytes == content;
}

void produceFileAtomically(const std::filesystem::path& path,
                           const std::function<void(const std::filesystem::path&)>& produce,
                           bool durable) {
    TempFile temp(path);
    if (temp.name().empty()) failWrite(path, errno);
    produce(temp.name());
    settle(path, temp.name(), durable);
    if (::rename(temp.name().c_str(), path.c_str()) != 0) failWrite(path, errno);
    temp.keep();
    if (durable) syncFolder(path.parent_path());
}

void writeFileAtomically(const std::filesystem::path& path, std::string_view content,
                         bool durable) {
    // A file that already holds these bytes is left alone: replacing it would change nothing
    // but cost a new file and the freeing of the old one, which is most of a pay run's time on
    // a disk that discards freed blocks.
    if (holdsExactly(path, content)) return;
    produceFileAtomically(
        path,
        [&](const std::filesystem::path& temp) {
            const int fd = ::open(temp.c_str(), O_WRONLY | O_TRUNC);
            if (fd < 0) failWrite(path, errno);
            const bool written = writeAll(fd, content);
            const int err = errno;
            if (::close(fd) != 0 || !written) failWrite(path, written ? errno : err);
        },
        durable);
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
