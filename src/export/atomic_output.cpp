#include "export/atomic_output.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

#include "core/user_error.h"

namespace corvanta {
namespace {

[[noreturn]] void fail(const std::filesystem::path& path, int err) {
    const std::string name = path.filename().string();
    throw FileError("Could not save the file \"" + name + "\": " + std::strerror(err) +
                        ". The copy on disk was not changed.",
                    name);
}

// Removes the temporary file unless it became the target.
class TempName {
  public:
    explicit TempName(const std::filesystem::path& target) {
        std::string pattern =
            (target.parent_path() / ("." + target.filename().string() + ".tmpXXXXXX")).string();
        std::vector<char> buf(pattern.begin(), pattern.end());
        buf.push_back('\0');
        const int fd = ::mkstemp(buf.data());  // mode 0600
        if (fd >= 0) {
            ::close(fd);
            name_ = buf.data();
        }
    }
    ~TempName() {
        if (!name_.empty() && !kept_) ::unlink(name_.c_str());
    }
    TempName(const TempName&) = delete;
    TempName& operator=(const TempName&) = delete;

    const std::string& name() const { return name_; }
    void keep() { kept_ = true; }

  private:
    std::string name_;
    bool kept_ = false;
};

void syncFolder(const std::filesystem::path& folder) {
    const int dfd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (dfd >= 0) {
        ::fsync(dfd);
        ::close(dfd);
    }
}

void settle(const std::filesystem::path& path, const std::string& temp, bool durable) {
    const int fd = ::open(temp.c_str(), O_RDWR);
    if (fd < 0) fail(path, errno);
    struct stat existing {};
    const bool modeFailed =
        ::stat(path.c_str(), &existing) == 0 && ::fchmod(fd, existing.st_mode & 07777) != 0;
    const bool syncFailed = !modeFailed && durable && ::fsync(fd) != 0;
    const int err = errno;
    ::close(fd);
    if (modeFailed || syncFailed) fail(path, err);
}

}  // namespace

void produceFileAtomically(const std::filesystem::path& path,
                           const std::function<void(const std::filesystem::path&)>& produce,
                           bool durable) {
    TempName temp(path);
    if (temp.name().empty()) fail(path, errno);
    produce(temp.name());
    settle(path, temp.name(), durable);
    if (::rename(temp.name().c_str(), path.c_str()) != 0) fail(path, errno);
    temp.keep();
    if (durable) syncFolder(path.parent_path());
}

}  // namespace corvanta
