#pragma once

#include <filesystem>

namespace corvanta {

// Makes `folder` ready to work in: creates it when missing and, when it holds no federal table,
// copies the installed one into it. A folder that cannot be created, or a table that cannot be
// copied, throws FileError naming it. A missing installed table is no error: the calculator
// then reports the missing table as it does in any folder.
void prepareWorkingFolder(const std::filesystem::path& folder,
                          const std::filesystem::path& installedTable);

}  // namespace corvanta
