#include "base/files/lock_file.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <map>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

#include "base/core/user_error.h"
#include "base/files/file_access.h"
#include "base/files/record_format.h"

namespace corvanta {
namespace {

namespace fs = std::filesystem;

std::string userName() {
    std::array<char, 1024> buf{};
    passwd pw{};
    passwd* found = nullptr;
    if (::getpwuid_r(::geteuid(), &pw, buf.data(), buf.size(), &found) == 0 && found != nullptr) {
        return found->pw_name;
    }
    const char* user = std::getenv("USER");  // NOLINT(concurrency-mt-unsafe): read once here
    return user != nullptr ? user : "unknown";
}

std::string hostName() {
    std::array<char, 256> buf{};
    if (::gethostname(buf.data(), buf.size() - 1) != 0) return "unknown";
    return buf.data();
}

std::string formatHolder(const LockHolder& h) {
    RecordWriter w;
    w.text(h.user).text(h.host).integer(h.pid).integer(static_cast<long>(h.since)).endLine();
    return w.content();
}

// A lock file that cannot be read names nobody; it is judged by its advisory lock alone.
LockHolder parseHolder(const std::string& content, const std::string& fileName) {
    LockHolder h{"unknown", "unknown", 0, 0};
    try {
        RecordReader r(content, fileName);
        h.user = r.readText();
        h.host = r.readText();
        h.pid = static_cast<long>(r.readDouble());
        h.since = static_cast<std::time_t>(r.readDouble());
    } catch (const RecordFormatError&) {
    }
    return h;
}

bool writeAll(int fd, const std::string& content) {
    std::size_t done = 0;
    while (done < content.size()) {
        const ssize_t n = ::write(fd, content.data() + done, content.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

std::string readAll(int fd) {
    std::string content;
    std::array<char, 512> buf{};
    for (ssize_t n; (n = ::read(fd, buf.data(), buf.size())) != 0;) {
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) break;
        content.append(buf.data(), static_cast<std::size_t>(n));
    }
    return content;
}

[[noreturn]] void failLock(const fs::path& path, int err) {
    throw FileError("The lock file \"" + path.filename().string() +
                        "\" could not be made: " + std::strerror(err) + ".",
                    path.filename().string());
}

// The holder's file, written and locked before it gets the lock's name, so another process
// never sees a lock file without its holder.
class FreshLock {
  public:
    explicit FreshLock(const fs::path& target) {
        std::string pattern =
            (target.parent_path() / ("." + target.filename().string() + ".tmpXXXXXX")).string();
        std::vector<char> buf(pattern.begin(), pattern.end());
        buf.push_back('\0');
        fd_ = ::mkostemp(buf.data(), O_CLOEXEC);  // mode 0600
        if (fd_ < 0) failLock(target, errno);
        // The other accounts of a shared folder read who holds it, and take it over when stale.
        ::fchmod(fd_, newFileMode());
        name_ = buf.data();
        const int err = writeAll(fd_, formatHolder(thisProcess())) ? 0 : errno;
        // Where the file system has no advisory locks this fails and the holder's process id
        // decides instead.
        ::flock(fd_, LOCK_EX | LOCK_NB);
        if (err != 0) {
            discard();
            failLock(target, err);
        }
    }
    ~FreshLock() { discard(); }
    FreshLock(const FreshLock&) = delete;
    FreshLock& operator=(const FreshLock&) = delete;

    [[nodiscard]] const std::string& name() const { return name_; }
    // The descriptor now belongs to the lock; the temporary name is gone.
    int release() {
        if (!name_.empty()) ::unlink(name_.c_str());
        name_.clear();
        return std::exchange(fd_, -1);
    }

  private:
    void discard() {
        if (!name_.empty()) ::unlink(name_.c_str());
        if (fd_ >= 0) ::close(fd_);
        name_.clear();
        fd_ = -1;
    }
    int fd_ = -1;
    std::string name_;
};

bool sameFile(int fd, const fs::path& path) {
    struct stat a {};
    struct stat b {};
    return ::fstat(fd, &a) == 0 && ::stat(path.c_str(), &b) == 0 && a.st_dev == b.st_dev &&
           a.st_ino == b.st_ino;
}

bool processGone(const LockHolder& h) {
    return h.host == hostName() && h.pid > 0 && ::kill(static_cast<pid_t>(h.pid), 0) != 0 &&
           errno == ESRCH;
}

// Puts the fresh lock over a stale one. True when it took the place.
bool replaceStale(FreshLock& fresh, const fs::path& path) {
    return ::rename(fresh.name().c_str(), path.c_str()) == 0;
}

enum class Found { Gone, Held, Stale };

// Looks at the lock file at `path` as it is now.
Found inspect(const fs::path& path, LockHolder& holder, int& staleFd) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return Found::Gone;
    holder = parseHolder(readAll(fd), path.filename().string());
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
        // Free: its holder ended. Another taker may have replaced it since it was opened.
        if (!sameFile(fd, path)) {
            ::close(fd);
            return Found::Gone;
        }
        staleFd = fd;
        return Found::Stale;
    }
    const int err = errno;
    ::close(fd);
    if (err == EWOULDBLOCK || err == EINTR) return Found::Held;
    return processGone(holder) ? Found::Stale : Found::Held;
}

}  // namespace

LockHolder thisProcess() {
    return {userName(), hostName(), static_cast<long>(::getpid()), std::time(nullptr)};
}

bool isLockFileName(const std::string& fileName) {
    return fileName.ends_with(kLockExtension) || fileName == kFolderLockFile;
}

LockFile::Attempt LockFile::tryAcquire(const fs::path& path) {
    // A few rounds: a lock released or taken over while it was being looked at is looked at
    // again.
    for (int round = 0;; ++round) {
        FreshLock fresh(path);
        if (::link(fresh.name().c_str(), path.c_str()) == 0) {
            return {LockFile(path, fresh.release()), {}, false};
        }
        const int err = errno;
        if (err != EEXIST) {
            // A file system without hard links: the exclusive create alone, holder written
            // straight after.
            if (err != EPERM && err != ENOTSUP && err != ENOSYS) failLock(path, err);
            const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                                  static_cast<mode_t>(newFileMode()));
            if (fd >= 0) {
                ::flock(fd, LOCK_EX | LOCK_NB);
                writeAll(fd, formatHolder(thisProcess()));
                return {LockFile(path, fd), {}, false};
            }
            if (errno != EEXIST) failLock(path, errno);
        }
        LockHolder holder;
        int staleFd = -1;
        const Found found = inspect(path, holder, staleFd);
        if (found == Found::Held) return {std::nullopt, holder, false};
        if (found == Found::Stale) {
            const bool took = replaceStale(fresh, path);
            if (staleFd >= 0) ::close(staleFd);
            if (took) return {LockFile(path, fresh.release()), holder, true};
        }
        if (round >= 8) return {std::nullopt, holder, false};
    }
}

LockFile::LockFile(LockFile&& other) noexcept
    : path_(std::move(other.path_)), fd_(std::exchange(other.fd_, -1)) {}

LockFile& LockFile::operator=(LockFile&& other) noexcept {
    if (this != &other) {
        release();
        path_ = std::move(other.path_);
        fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
}

namespace {

// The folder locks each thread of this process holds: a routine that needs the lock while its
// caller already holds it goes on under the caller's.
class FolderLocksHeld {
  public:
    bool heldByThisThread(const std::string& path) {
        const std::lock_guard<std::mutex> guard(mutex_);
        const auto it = owners_.find(path);
        return it != owners_.end() && it->second == std::this_thread::get_id();
    }
    void taken(const std::string& path) {
        const std::lock_guard<std::mutex> guard(mutex_);
        owners_[path] = std::this_thread::get_id();
    }
    void released(const std::string& path) noexcept {
        const std::lock_guard<std::mutex> guard(mutex_);
        owners_.erase(path);
    }

  private:
    std::mutex mutex_;
    std::map<std::string, std::thread::id> owners_;
};

FolderLocksHeld& folderLocksHeld() {
    static FolderLocksHeld held;
    return held;
}

std::string folderLockKey(const fs::path& lockFile) {
    return fs::absolute(lockFile).lexically_normal().string();
}

}  // namespace

LockFile::~LockFile() { release(); }

void LockFile::release() noexcept {
    if (fd_ < 0) return;
    if (path_.filename() == kFolderLockFile) {
        try {
            folderLocksHeld().released(folderLockKey(path_));
        } catch (...) {
            // Only the current directory's failure can throw here; the lock goes regardless.
        }
    }
    // Removed while still locked, and only while it is still this lock's file.
    if (sameFile(fd_, path_)) ::unlink(path_.c_str());
    ::close(fd_);
    fd_ = -1;
}

std::optional<LockFile> holdFolderLock(const fs::path& folder) {
    using namespace std::chrono_literals;
    const std::string key = folderLockKey(folder / kFolderLockFile);
    if (folderLocksHeld().heldByThisThread(key)) return std::nullopt;
    const auto deadline = std::chrono::steady_clock::now() + 5s;
    for (;;) {
        std::optional<LockFile::Attempt> tried;
        try {
            tried = LockFile::tryAcquire(folder / kFolderLockFile);
        } catch (const FileError&) {
            // No lock file can be made there: the write goes on and reports its own failure.
            return std::nullopt;
        }
        auto& attempt = *tried;
        if (attempt.lock) {
            folderLocksHeld().taken(key);
            return std::move(attempt.lock);
        }
        if (std::chrono::steady_clock::now() > deadline) {
            const LockHolder& h = attempt.holder;
            throw FileError("The shared files of the folder are being written by " + h.user +
                                " on " + h.host + " since " + lockTimeText(h.since) +
                                ". Please try again.",
                            kFolderLockFile);
        }
        std::this_thread::sleep_for(5ms);
    }
}

void withFolderLock(const fs::path& folder, const std::function<void()>& write) {
    const std::optional<LockFile> lock = holdFolderLock(folder);
    write();
}

std::string lockTimeText(std::time_t since) {
    std::tm local{};
    localtime_r(&since, &local);
    std::array<char, 16> text{};
    std::strftime(text.data(), text.size(), "%H:%M", &local);
    return text.data();
}

}  // namespace corvanta
