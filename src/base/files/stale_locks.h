#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "base/files/lock_file.h"

namespace corvanta {

// A lock file whose holder ended without releasing it, and who that was.
struct StaleLock {
    std::string name;  // the lock file's name before its extension
    LockHolder holder;
};

// Removes the lock files in the folder whose holders ended without releasing them (a program
// killed or a machine switched off); those of running programs stay. Returns those removed.
std::vector<StaleLock> clearStaleLocks(const std::filesystem::path& folder);

}  // namespace corvanta
