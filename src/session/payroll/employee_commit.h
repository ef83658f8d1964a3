#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace corvanta {

// An employee's files are rewritten in a staging folder of her own inside the working
// folder, then moved over the originals together: a journal listing them is written first,
// so a run stopped part way can be finished, and every employee is either wholly before or
// wholly after her period. A restore of a backup goes the same way for the whole folder.
//
// The journal has one line per file: "DIR/FILE" moves the staged file DIR/FILE over FILE
// (DIR is the employee's name, or FILE's name before its extension), "remove FILE" removes
// FILE from the folder. A move line goes on, after a tab each, with the marks of FILE in the
// folder and of the staged file when the journal was written ("-" for no file).
inline constexpr const char* kStagingFolder = ".corvanta-run";
inline constexpr const char* kRunJournal = ".corvanta-run-journal";

// The files of every employee of the folder by her base name ("NAME.use", "NAME.yrw" ...),
// from one listing of the folder.
std::map<std::string, std::vector<std::string>> employeeFileIndex(
    const std::filesystem::path& folder);

// A fresh, empty staging folder.
void prepareStaging(const std::filesystem::path& folder);

// The employee's own staging folder, fresh and empty, for the files a run writes of hers.
std::filesystem::path stageEmployee(const std::filesystem::path& folder, const std::string& name);

// Makes the staged files of the employees durable and moves them over the originals, with
// one flush for all of them.
void commitEmployees(const std::filesystem::path& folder, const std::vector<std::string>& names);

// Where a restore stages a file of the folder before it is moved in: in the staging folder,
// under the file's name before its extension ("Doe/Doe.use", "Header/Header.sav"), so the
// recovery finds it as it finds a pay run's.
std::filesystem::path stagedFilePath(const std::filesystem::path& folder,
                                     const std::string& fileName);

// Makes the staged files durable, then through one journal moves each over the folder's file
// of its name and removes the files listed in `removed`. Only files of the folder's data
// kinds are moved or removed.
void commitFolderFiles(const std::filesystem::path& folder, const std::vector<std::string>& staged,
                       const std::vector<std::string>& removed);

// The journal's line moving the staged DIR/FILE over FILE, with the marks of both as they are
// now.
std::string journalMoveLine(const std::filesystem::path& folder, const std::string& dir,
                            const std::string& file);

// Where the staged files of an employee whose files changed after the journal was written
// are kept instead of being moved in.
inline constexpr const char* kSetAsideFolder = ".corvanta-set-aside";

// What the recovery of a stopped commit did.
struct CommitRecovery {
    bool found = false;                 // there was a journal
    std::vector<std::string> setAside;  // files kept aside, as paths inside the folder
};

// Completes a commit that was stopped part way, holding the lock of each employee it moves:
// her staged files are moved in when her files in the folder are still those the journal
// found (or the staged ones already moved). When they changed since, or another program holds
// her, her staged files are kept under kSetAsideFolder instead, so work done after the stop
// is never overwritten.
CommitRecovery recoverInterruptedCommit(const std::filesystem::path& folder);

// recoverInterruptedCommit; true when there was a journal.
bool finishInterruptedCommit(const std::filesystem::path& folder);

// "Files set aside ...: A, B." naming them, or nothing when none was.
std::string setAsideMessage(const CommitRecovery& recovery);

// Removes the staging folder.
void removeStaging(const std::filesystem::path& folder);

}  // namespace corvanta
