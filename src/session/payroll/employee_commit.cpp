#include "session/payroll/employee_commit.h"

#include <sstream>

#include "base/core/user_error.h"
#include "base/files/file_io.h"
#include "base/files/lock_file.h"
#include "session/files/folder_sync.h"
#include "session/payroll/folder_file_kind.h"

namespace corvanta {
namespace {

namespace fs = std::filesystem;

const char* const kSharedFiles[] = {"Federal08.dtt", "Header.sav", "Company.sav"};
constexpr std::string_view kRemoveLine = "remove ";

void linkInto(const fs::path& from, const fs::path& to) {
    std::error_code ec;
    fs::create_hard_link(from, to, ec);
    if (!ec) return;
    fs::copy_file(from, to, fs::copy_options::overwrite_existing, ec);
    if (ec) {
        throw FileError(
            "The file " + from.filename().string() + " could not be copied: " + ec.message(),
            from.filename().string());
    }
}

// "NAME.ext" with a single extension: the employee's base name, or nothing.
std::string employeeOf(const std::string& file) {
    // Her lock file is the session's, never one of her files to stage or move.
    if (isLockFileName(file)) return "";
    const auto dot = file.find('.');
    if (dot == 0 || dot == std::string::npos || file.find('.', dot + 1) != std::string::npos) {
        return "";
    }
    return file.substr(0, dot);
}

// The folder a restore stages the file in: its name before the extension.
std::string stagingDirOf(const std::string& file) { return fs::path(file).stem().string(); }

// A journal line "DIR/FILE" may move FILE in: an employee's own file staged by a pay run, or
// a file of the folder's kinds staged by a restore. Never a path out of the folder.
bool mayMoveIn(const std::string& dir, const std::string& file) {
    return employeeOf(file) == dir || (isFolderDataName(file) && stagingDirOf(file) == dir);
}

void moveStagedFile(const fs::path& folder, const std::string& dir, const std::string& file) {
    const fs::path staged = folder / kStagingFolder / dir / file;
    // A file already moved before the stop is no longer staged.
    if (!fs::exists(staged)) return;
    std::error_code ec;
    fs::rename(staged, folder / file, ec);
    if (ec) throw FileError("The file " + file + " could not be replaced.", file);
}

void removeFolderFile(const fs::path& folder, const std::string& file) {
    if (!isFolderDataName(file)) return;
    std::error_code ec;
    fs::remove(folder / file, ec);
    if (ec) throw FileError("The file " + file + " could not be removed.", file);
}

}  // namespace

std::map<std::string, std::vector<std::string>> employeeFileIndex(const fs::path& folder) {
    std::map<std::string, std::vector<std::string>> index;
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(folder, ec)) {
        const std::string file = e.path().filename().string();
        const std::string name = employeeOf(file);
        if (!name.empty() && e.is_regular_file()) index[name].push_back(file);
    }
    if (ec) throw UserError("The folder " + folder.string() + " cannot be read.");
    return index;
}

void prepareStaging(const fs::path& folder) {
    const fs::path staging = folder / kStagingFolder;
    std::error_code ec;
    fs::remove_all(staging, ec);
    fs::create_directory(staging, ec);
    if (ec) throw FileError("The folder " + staging.string() + " cannot be made.", kStagingFolder);
}

fs::path stageEmployee(const fs::path& folder, const std::string& name,
                       const std::vector<std::string>& files) {
    fs::path mine = folder / kStagingFolder / name;
    std::error_code ec;
    fs::remove_all(mine, ec);
    fs::create_directory(mine, ec);
    if (ec) throw FileError("The folder " + mine.string() + " cannot be made.", name);
    for (const char* shared : kSharedFiles) {
        if (fs::exists(folder / shared)) linkInto(folder / shared, mine / shared);
    }
    for (const std::string& file : files) linkInto(folder / file, mine / file);
    return mine;
}

void commitEmployees(const fs::path& folder, const std::vector<std::string>& names) {
    if (names.empty()) return;
    const fs::path staging = folder / kStagingFolder;
    std::string journal;
    for (const std::string& name : names) {
        for (const auto& e : fs::directory_iterator(staging / name)) {
            const std::string file = e.path().filename().string();
            if (employeeOf(file) == name)
                journal.append(name).append("/").append(file).append("\n");
        }
    }
    // The staged files and the journal reach the disk before any original is replaced.
    syncFileSystemOf(staging);
    writeFileAtomically(folder / kRunJournal, journal);
    finishInterruptedCommit(folder);
}

fs::path stagedFilePath(const fs::path& folder, const std::string& fileName) {
    return folder / kStagingFolder / stagingDirOf(fileName) / fileName;
}

void commitFolderFiles(const fs::path& folder, const std::vector<std::string>& staged,
                       const std::vector<std::string>& removed) {
    std::string journal;
    for (const std::string& file : staged) {
        if (isFolderDataName(file)) journal.append(stagingDirOf(file)).append("/" + file + "\n");
    }
    for (const std::string& file : removed) {
        if (isFolderDataName(file)) journal.append(kRemoveLine).append(file + "\n");
    }
    // The staged files and the journal reach the disk before any file of the folder changes.
    syncFileSystemOf(folder / kStagingFolder);
    writeFileAtomically(folder / kRunJournal, journal);
    finishInterruptedCommit(folder);
}

bool finishInterruptedCommit(const fs::path& folder) {
    const auto journal = readFileIfExists(folder / kRunJournal);
    if (!journal) return false;
    std::istringstream lines(*journal);
    std::string entry;
    while (std::getline(lines, entry)) {
        const auto slash = entry.find('/');
        if (slash == std::string::npos) {
            if (entry.starts_with(kRemoveLine)) {
                removeFolderFile(folder, entry.substr(kRemoveLine.size()));
            }
            continue;
        }
        const std::string dir = entry.substr(0, slash);
        const std::string file = entry.substr(slash + 1);
        if (mayMoveIn(dir, file)) moveStagedFile(folder, dir, file);
    }
    syncFolderEntries(folder);
    fs::remove(folder / kRunJournal);
    syncFolderEntries(folder);
    return true;
}

void removeStaging(const fs::path& folder) {
    std::error_code ec;
    fs::remove_all(folder / kStagingFolder, ec);
}

}  // namespace corvanta
