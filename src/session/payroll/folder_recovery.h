#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace corvanta {

// What every command does first in its folder: the lock files of programs that ended go, and
// a pay run or restore stopped part way is completed under the locks of the employees it
// moves. Returns what the user is told: each lock taken over, the files kept aside.
std::vector<std::string> recoverFolderState(const std::filesystem::path& folder);

}  // namespace corvanta
