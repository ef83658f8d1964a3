#include "payroll/employee_commit.h"

#include <algorithm>
#include <sstream>

#include "core/user_error.h"
#include "files/file_io.h"
#include "files/folder_sync.h"

namespace corvanta {
namespace {

namespace fs = std::filesystem;

const char* const kSharedFiles[] = {"Federal08.dtt", "Header.sav"};

void copyInto(const fs::path& from, const fs::path& to) {
    std::error_code ec;
    fs::copy_file(from, to, fs::copy_options::overwrite_existing, ec);
    if (ec) {
        throw FileError(
            "The file " + from.filename().string() + " could not be copied: " + ec.message(),
            from.filename().string());
    }
}

}  // namespace

std::vector<std::string> employeeFileNames(const fs::path& folder, const std::string& name) {
    std::vector<std::string> names;
    std::error_code ec;
    const std::string prefix = name + ".";
    for (const auto& e : fs::directory_iterator(folder, ec)) {
        const std::string file = e.path().filename().string();
        if (e.is_regular_file() && file.rfind(prefix, 0) == 0 &&
            file.find('.', prefix.size()) == std::string::npos) {
            names.push_back(file);
        }
    }
    if (ec) throw UserError("The folder " + folder.string() + " cannot be read.");
    std::sort(names.begin(), names.end());
    return names;
}

fs::path prepareStaging(const fs::path& folder) {
    const fs::path staging = folder / kStagingFolder;
    std::error_code ec;
    fs::remove_all(staging, ec);
    fs::create_directory(staging, ec);
    if (ec) throw FileError("The folder " + staging.string() + " cannot be made.", kStagingFolder);
    for (const char* shared : kSharedFiles) {
        if (fs::exists(folder / shared)) copyInto(folder / shared, staging / shared);
    }
    return staging;
}

void stageEmployee(const fs::path& folder, const std::string& name) {
    const fs::path staging = folder / kStagingFolder;
    for (const std::string& old : employeeFileNames(staging, name)) fs::remove(staging / old);
    for (const std::string& file : employeeFileNames(folder, name)) {
        copyInto(folder / file, staging / file);
    }
}

void commitEmployee(const fs::path& folder, const std::string& name) {
    const fs::path staging = folder / kStagingFolder;
    std::string journal;
    for (const std::string& file : employeeFileNames(staging, name)) journal += file + "\n";
    // The staged files and the journal reach the disk before any original is replaced.
    syncFileSystemOf(staging);
    writeFileAtomically(folder / kRunJournal, journal);
    finishInterruptedCommit(folder);
}

bool finishInterruptedCommit(const fs::path& folder) {
    const auto journal = readFileIfExists(folder / kRunJournal);
    if (!journal) return false;
    std::istringstream lines(*journal);
    std::string file;
    while (std::getline(lines, file)) {
        const fs::path staged = folder / kStagingFolder / file;
        // A file already moved before the stop is no longer staged.
        if (file.empty() || file.find('/') != std::string::npos || !fs::exists(staged)) continue;
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
