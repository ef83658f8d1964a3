#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace corvanta {

// The name of the manifest inside every backup: one "SHA-256  size  name" line per file.
inline constexpr const char* kBackupManifest = "MANIFEST.sha256";

// The files a backup holds: every file of the working folder (the employee files,
// "Header.sav", "Federal08.dtt", the saved periods), not the hidden temporary files of a
// write in progress nor the folders inside it.
std::vector<std::string> backupFileNames(const std::filesystem::path& folder);

// "Backups/Corvanta backup 2008-02-08 153012.tar.gz" in the folder, at the time given.
std::filesystem::path defaultBackupPath(const std::filesystem::path& folder, std::time_t when);

// Writes the archive of the folder's files with the manifest, atomically. Throws UserError
// naming a file that cannot be read, or FileError naming the archive.
void writeBackup(const std::filesystem::path& folder, const std::filesystem::path& archive);

// What an archive holds as the manifest says, and what does not match it.
struct BackupCheck {
    std::vector<std::string> files;     // as the manifest lists them
    std::vector<std::string> problems;  // empty when every file matches
};

// Reads the archive and checks every file against the manifest. Throws UserError naming
// the archive when it cannot be read at all.
BackupCheck verifyBackup(const std::filesystem::path& archive);

// Verifies the archive, then writes each of its files back into the folder, each atomically.
// Refuses (UserError, nothing written) an archive that does not match its manifest.
std::vector<std::string> restoreBackup(const std::filesystem::path& archive,
                                       const std::filesystem::path& folder);

// The SHA-256 of the bytes, in lowercase hexadecimal.
std::string sha256Hex(const std::string& bytes);

}  // namespace corvanta
