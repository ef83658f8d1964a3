#pragma once

#include <ctime>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace corvanta {

// An employee's lock file is her base name with this extension, beside her files.
inline constexpr const char* kLockExtension = ".lck";
// The folder-wide lock taken while a file shared by all employees is written.
inline constexpr const char* kFolderLockFile = "Folder.flk";

// Who holds a lock, as its file says.
struct LockHolder {
    std::string user;
    std::string host;
    long pid = 0;
    std::time_t since = 0;
};

// This process as a lock's holder, now.
LockHolder thisProcess();

// True for the name of a lock file: it is never part of an employee's data, so folder
// listings, backups and pay runs leave it alone.
bool isLockFileName(const std::string& fileName);

// A lock held by this process: a file that names the holder, created exclusively, with an
// advisory lock on it that the system drops when the process ends in any way. The file is
// removed when the lock is released.
class LockFile {
  public:
    struct Attempt;

    // Takes the lock at `path`. When another holds it, the attempt has no lock and names
    // the holder. A lock whose advisory lock is free, or whose process on this host is gone,
    // is stale: it is taken over and the attempt names the one who left it. Throws FileError
    // when the lock file cannot be made (a folder that cannot be written).
    static Attempt tryAcquire(const std::filesystem::path& path);

    LockFile(LockFile&& other) noexcept;
    LockFile& operator=(LockFile&& other) noexcept;
    LockFile(const LockFile&) = delete;
    LockFile& operator=(const LockFile&) = delete;
    ~LockFile();

    [[nodiscard]] const std::filesystem::path& path() const { return path_; }

  private:
    LockFile(std::filesystem::path path, int fd) : path_(std::move(path)), fd_(fd) {}
    void release() noexcept;

    std::filesystem::path path_;
    int fd_ = -1;
};

struct LockFile::Attempt {
    std::optional<LockFile> lock;
    LockHolder holder;      // the other holder, or the one whose stale lock was taken over
    bool tookOver = false;  // a stale lock was taken over
};

// The folder's lock for shared files, held until the result is dropped, waiting a few seconds
// at most while another process (or another thread) holds it. Nothing when this thread holds
// it already (the outer hold keeps it), or when no lock file can be made there (a folder that
// cannot be written: its writes report their own failure). Throws FileError naming the
// holder when the wait ends.
std::optional<LockFile> holdFolderLock(const std::filesystem::path& folder);

// Runs `write` holding the folder's lock for shared files, waiting a few seconds at most
// while another process writes one. Throws FileError naming the holder when the wait ends.
void withFolderLock(const std::filesystem::path& folder, const std::function<void()>& write);

// "10:42": when the lock was taken, in local time.
std::string lockTimeText(std::time_t since);

}  // namespace corvanta
