#pragma once

#include <string>

namespace corvanta {

// What a file of the working folder is to the backups and the restores. Only these kinds are
// backed up, put back from a backup or removed by a restore; anything else (lock files, the
// pay run's journal and staging, the Backups folder, a name with a path in it) is none of
// theirs.
enum class FolderFileKind {
    kEmployeeFile,  // "NAME.use", "NAME.and", ... "NAME.hol"
    kSavedPeriod,   // "<date>  NAME.prv"
    kSharedFile,    // "Header.sav", "Federal08.dtt", "Company.sav", "Checks.sav"
    kNotData,
};

FolderFileKind folderFileKind(const std::string& fileName);

inline bool isFolderDataName(const std::string& fileName) {
    return folderFileKind(fileName) != FolderFileKind::kNotData;
}

// Why a name is none of the folder's data, in words for a refusal ("a lock file"); empty for a
// data name.
std::string notDataReason(const std::string& fileName);

// The employee an employee file belongs to ("J. Smith" of "J. Smith.use"); empty for a file of
// another kind.
std::string employeeFileOwner(const std::string& fileName);

}  // namespace corvanta
