#pragma once

#include <filesystem>

namespace corvanta {

// The permissions of a file this program creates: read and write for the owner and the group
// as far as the user's umask allows, never anything for others. In a folder shared through a
// group (setgid, umask 002) the other accounts of the group can read and replace it.
unsigned newFileMode();

// True when the file can be read, false when there is none. A file that is there but cannot
// be read (another account's file without group access) throws FileError naming it: it is
// never taken for a missing one, whose defaults would then be saved over it.
bool readableFileExists(const std::filesystem::path& path);

}  // namespace corvanta
