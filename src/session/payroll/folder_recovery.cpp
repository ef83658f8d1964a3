#include "session/payroll/folder_recovery.h"

#include "base/files/stale_locks.h"
#include "session/payroll/employee_commit.h"

namespace corvanta {

std::vector<std::string> recoverFolderState(const std::filesystem::path& folder) {
    std::vector<std::string> notices;
    for (const StaleLock& lock : clearStaleLocks(folder)) {
        const LockHolder& h = lock.holder;
        notices.push_back("The lock on " + lock.name + " left by " + h.user + " on " + h.host +
                          " since " + lockTimeText(h.since) +
                          " was taken over: that program is no longer running.");
    }
    const CommitRecovery recovery = recoverInterruptedCommit(folder);
    if (std::string kept = setAsideMessage(recovery); !kept.empty()) {
        notices.push_back(std::move(kept));
    }
    return notices;
}

}  // namespace corvanta
