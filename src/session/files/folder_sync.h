#pragma once

#include <filesystem>

namespace corvanta {

// Flushes everything written to the file system that holds the folder, in one call: the
// files of an employee are written without a flush each and then made durable together.
// Throws FileError naming the folder.
void syncFileSystemOf(const std::filesystem::path& folder);

// Flushes the folder's entries (renames into it). Throws FileError naming the folder.
void syncFolderEntries(const std::filesystem::path& folder);

}  // namespace corvanta
