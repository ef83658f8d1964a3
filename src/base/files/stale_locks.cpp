#include "base/files/stale_locks.h"

#include "base/core/user_error.h"

namespace corvanta {

std::vector<StaleLock> clearStaleLocks(const std::filesystem::path& folder) {
    std::vector<std::filesystem::path> locks;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
        if (isLockFileName(entry.path().filename().string()) && entry.is_regular_file(ec)) {
            locks.push_back(entry.path());
        }
    }
    std::vector<StaleLock> cleared;
    for (const auto& path : locks) {
        try {
            // Taking a stale lock over and letting it go removes its file; a held one is left.
            const LockFile::Attempt attempt = LockFile::tryAcquire(path);
            if (attempt.lock && attempt.tookOver) {
                cleared.push_back({path.stem().string(), attempt.holder});
            }
        } catch (const FileError&) {
            // A folder that cannot be written keeps its lock files; the command reports that.
        }
    }
    return cleared;
}

}  // namespace corvanta
