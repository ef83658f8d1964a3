#pragma once

#include <filesystem>
#include <functional>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "session/core/payroll_context.h"
#include "support/child_process.h"

namespace corvanta::testing {

// One engine command that writes files. `save` runs it on a fresh context in the folder;
// version 0 and 1 differ in every record the command writes, so old and new files can be
// told apart. Texts are long, so a limit on the file size cuts most files part way.
struct SavePath {
    std::string name;
    std::function<void(PayrollContext&, int version)> save;
};

// Test names and failure messages show the command's name.
inline void PrintTo(const SavePath& path, std::ostream* os) { *os << path.name; }

const std::vector<SavePath>& savePaths();

// A context in `folder` as the program starts it, for employee "Smith".
PayrollContext freshContext(const std::filesystem::path& folder);

// Every regular file of a folder by name, with its content.
using FolderImage = std::map<std::string, std::string>;
FolderImage imageOf(const std::filesystem::path& folder);

}  // namespace corvanta::testing
