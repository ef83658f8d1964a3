#include "session/payroll/employee_commit.h"

#include <sstream>

#include "base/core/user_error.h"
#include "base/files/file_io.h"
#include "base/files/lock_file.h"
#include "session/files/folder_sync.h"

namespace corvanta {
namespace {

namespace fs = std::filesystem;

const char* const kSharedFiles[] = {"Federal08.dtt", "Header.sav"};

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

bool finishInterruptedCommit(const fs::path& folder) {
    const auto journal = readFileIfExists(folder / kRunJournal);
    if (!journal) return false;
    std::istringstream lines(*journal);
    std::string entry;
    while (std::getline(lines, entry)) {
        const auto slash = entry.find('/');
        if (slash == std::string::npos) continue;
        const std::string file = entry.substr(slash + 1);
        // Only an employee's own file of the folder, never a path out of it.
        if (employeeOf(file) != entry.substr(0, slash)) continue;
        const fs::path staged = folder / kStagingFolder / entry;
        // A file already moved before the stop is no longer staged.
        if (!fs::exists(staged)) continue;
        std::error_code ec;
        fs::rename(staged, folder / file, ec);
        if (ec) throw FileError("The file " + file + " could not be replaced.", file);
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
