#pragma once

#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

#include "backup/archive_scan.h"

namespace corvanta {

// The folder of the dated backups inside the working folder.
inline constexpr const char* kBackupsFolder = "Backups";

// What a backup takes of the working folder: its files of the folder's own kinds (the
// employee files, the saved periods, "Header.sav", "Federal08.dtt", "Company.sav"), never a
// lock file, a hidden temporary file or a folder. A symbolic link is left out and named: its
// target is no file of the folder's.
struct FolderContents {
    std::vector<std::string> files;
    std::vector<std::string> links;
};

FolderContents backupContents(const std::filesystem::path& folder);

// The first free name "Backups/Corvanta backup 2008-02-08 153012.tar.gz" in the folder at the
// time given; "... 153012-2.tar.gz" and on when a backup of that second is there.
std::filesystem::path defaultBackupPath(const std::filesystem::path& folder, std::time_t when);

struct BackupWritten {
    std::filesystem::path archive;
    std::vector<std::string> files;
    std::vector<std::string> skippedLinks;
};

// Writes the archive of the folder's files with the manifest, atomically. Throws UserError
// naming a file that cannot be read or is larger than a backup's file may be, or FileError
// naming the archive.
BackupWritten writeBackup(const std::filesystem::path& folder,
                          const std::filesystem::path& archive);

// Writes a backup under a dated name of the Backups folder that no other backup has, even
// one written in the same second by another program.
BackupWritten writeDatedBackup(const std::filesystem::path& folder, std::time_t when);

// What an archive holds as the manifest says, and what does not match it.
struct BackupCheck {
    std::vector<std::string> files;     // as the manifest lists them
    std::vector<std::string> problems;  // empty when every file matches
};

// Reads the archive and checks every member and every line of the manifest: only files of the
// folder's own kinds, plain files, each listed once with its size and SHA-256. Throws
// FileError naming the archive when it cannot be read at all.
BackupCheck verifyBackup(const std::filesystem::path& archive, const ArchiveLimits& limits = {});

// The check of an archive already read.
BackupCheck checkScan(const ArchiveScan& scan);

}  // namespace corvanta
