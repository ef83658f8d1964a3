#pragma once

#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "base/core/user_message.h"
#include "base/files/lock_file.h"

namespace corvanta {

struct PayrollContext;

// Whether a session may write the files of the employee it works on, and of any other name
// it wrote under (the save window's name box, the default group). Copies of a context share
// the locks: each is released when the last copy holding it is gone (another employee
// opened, Exit, the end of the process).
struct EmployeeHold {
    std::filesystem::path folder;
    std::string name;   // the employee opened
    std::string inUse;  // set when another holds her: writes under her name are refused
    std::map<std::string, std::shared_ptr<const LockFile>> locks;  // by base name

    [[nodiscard]] bool readOnly() const { return !inUse.empty(); }
    // True when this is the hold of `name` in `folder`, taken or refused.
    [[nodiscard]] bool isFor(const std::filesystem::path& folder, const std::string& name) const;
};

// "Jane Doe is in use by mbrown on PAYROLL-2 since 10:42."
std::string inUseMessage(const std::string& name, const LockHolder& holder);

// Takes the employee's lock in the folder. When another holds her the hold has no lock and
// says so in `inUse`. A stale lock is taken over and `note` is told whose it was. A folder
// where no lock file can be made gives a hold without a lock: her files there cannot be
// written either, and their writes say so with the file's name.
EmployeeHold holdEmployee(const std::filesystem::path& folder, const std::string& name,
                          const MessageHandler& note);

// Before the files of the context's employee are written: throws UserError with the
// message when she was opened read only or another holds her now. A context that does not
// hold her (the default group before any Open, a routine working on files directly) takes
// her lock for the check only.
void claimForWriting(const PayrollContext& ctx);

}  // namespace corvanta
