#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "backup/archive_scan.h"

namespace corvanta {

struct RestoreOptions {
    ArchiveLimits limits;
    // Run once the archive is verified and the employees are held, before anything changes:
    // a backup of the folder as it is then is the one the restore replaces.
    std::function<void()> keepFolder;
};

// Puts the archive's files back into the folder, all or nothing. The archive is verified
// first; then every file is staged beside the folder's, checked again as written, and moved
// in through the pay run's journal, with the files of the backup's employees that the backup
// does not hold removed (a state file a later run created would otherwise change her figures).
// Any failure before the move leaves the folder as it was, and a stop during the move is
// finished by the next restore, backup or pay run. Throws UserError saying why: an archive
// that does not match its manifest or holds anything but the folder's own files, an employee
// in use elsewhere, a file that cannot be written. Returns the files restored.
std::vector<std::string> restoreBackup(const std::filesystem::path& archive,
                                       const std::filesystem::path& folder,
                                       const RestoreOptions& options = {});

}  // namespace corvanta
