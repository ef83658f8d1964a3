#include "session/files/employee_hold.h"

#include <mutex>

#include "base/core/user_error.h"
#include "session/core/payroll_context.h"

namespace corvanta {
namespace {

std::filesystem::path lockPath(const std::filesystem::path& folder, const std::string& name) {
    return folder / (name + kLockExtension);
}

// The default group has no name of its own to show.
std::string shownName(const std::string& name) {
    return name.empty() ? "The default employee" : name;
}

}  // namespace

bool EmployeeHold::isFor(const std::filesystem::path& folder, const std::string& name) const {
    return this->name == name && (locks.count(name) != 0 || readOnly()) &&
           this->folder.lexically_normal() == folder.lexically_normal();
}

std::string inUseMessage(const std::string& name, const LockHolder& holder) {
    return shownName(name) + " is in use by " + holder.user + " on " + holder.host + " since " +
           lockTimeText(holder.since) + ".";
}

namespace {

// The lock of `name`, or nothing with `inUse` set when another holds it. Nothing and no
// message when the folder cannot hold a lock file.
// The locks this process holds, by file: one program is one clerk, so its sessions share
// the lock of an employee they both work on.
class HeldHere {
  public:
    std::shared_ptr<const LockFile> find(const std::filesystem::path& path) {
        const std::lock_guard<std::mutex> guard(mutex_);
        const auto it = locks_.find(path);
        return it == locks_.end() ? nullptr : it->second.lock();
    }
    std::shared_ptr<const LockFile> add(const std::filesystem::path& path, LockFile lock) {
        auto shared = std::make_shared<const LockFile>(std::move(lock));
        const std::lock_guard<std::mutex> guard(mutex_);
        std::erase_if(locks_, [](const auto& entry) { return entry.second.expired(); });
        locks_[path] = shared;
        return shared;
    }

  private:
    std::mutex mutex_;
    std::map<std::filesystem::path, std::weak_ptr<const LockFile>> locks_;
};

HeldHere& heldHere() {
    static HeldHere held;
    return held;
}

std::shared_ptr<const LockFile> takeLock(const std::filesystem::path& folder,
                                         const std::string& name, const MessageHandler& note,
                                         std::string& inUse) {
    const std::filesystem::path path =
        std::filesystem::absolute(lockPath(folder, name)).lexically_normal();
    if (auto shared = heldHere().find(path)) return shared;
    try {
        LockFile::Attempt attempt = LockFile::tryAcquire(path);
        if (!attempt.lock) {
            inUse = inUseMessage(name, attempt.holder);
            return nullptr;
        }
        if (attempt.tookOver && note) {
            const LockHolder& h = attempt.holder;
            note({"The lock on " + shownName(name) + " left by " + h.user + " on " + h.host +
                      " since " + lockTimeText(h.since) +
                      " was taken over: that program is no longer running.",
                  "Lock taken over", MessageIcon::Information});
        }
        return heldHere().add(path, std::move(*attempt.lock));
    } catch (const FileError&) {
        // Nothing can be written in such a folder; reading goes on.
        return nullptr;
    }
}

}  // namespace

EmployeeHold holdEmployee(const std::filesystem::path& folder, const std::string& name,
                          const MessageHandler& note) {
    EmployeeHold hold;
    hold.folder = folder;
    hold.name = name;
    if (auto lock = takeLock(folder, name, note, hold.inUse)) hold.locks[name] = std::move(lock);
    return hold;
}

void claimForWriting(const PayrollContext& ctx) {
    const EmployeeHold& hold = ctx.hold;
    const std::string& name = ctx.UserFileBase;
    if (hold.locks.count(name) != 0) return;
    if (hold.name == name && hold.readOnly()) throw UserError(hold.inUse);
    std::string inUse;
    takeLock(ctx.folder, name, ctx.showMessage, inUse);
    if (!inUse.empty()) throw UserError(inUse);
}

}  // namespace corvanta
