#include "backup/folder_restore.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <set>

#include "backup/folder_backup.h"
#include "base/core/user_error.h"
#include "base/files/file_io.h"
#include "base/files/lock_file.h"
#include "session/files/employee_hold.h"
#include "session/payroll/employee_commit.h"
#include "session/payroll/folder_file_kind.h"

namespace corvanta {
namespace {

namespace fs = std::filesystem;
constexpr std::size_t kProblemsNamed = 5;

std::string problemList(const std::vector<std::string>& problems) {
    std::string text;
    for (std::size_t i = 0; i < problems.size() && i < kProblemsNamed; ++i) {
        text += (i == 0 ? "" : "; ") + problems[i];
    }
    if (problems.size() > kProblemsNamed) {
        text += "; and " + std::to_string(problems.size() - kProblemsNamed) + " more";
    }
    return text;
}

// An archive refused: nothing of it was moved in.
class ArchiveRefused : public UserError {
  public:
    using UserError::UserError;
};

[[noreturn]] void refuse(const fs::path& archive, const std::vector<std::string>& problems) {
    throw ArchiveRefused("The backup " + archive.filename().string() +
                         " was refused, so nothing was restored: " + problemList(problems));
}

// The employees whose files the restore writes; none is replaced behind a program that has
// her open.
std::vector<EmployeeHold> holdEmployees(const fs::path& archive, const fs::path& folder,
                                        const std::vector<std::string>& files) {
    std::set<std::string> employees;
    for (const std::string& file : files) {
        if (const std::string owner = employeeFileOwner(file); !owner.empty()) {
            employees.insert(owner);
        }
    }
    std::vector<EmployeeHold> holds;
    std::string inUse;
    for (const std::string& name : employees) {
        holds.push_back(holdEmployee(folder, name, {}));
        if (holds.back().readOnly()) inUse += "\r\n" + holds.back().inUse;
    }
    if (!inUse.empty()) {
        throw UserError("The backup " + archive.filename().string() +
                        " was not restored; nothing was changed. Employees in use:" + inUse);
    }
    return holds;
}

// A folder where a file of the backup goes would stop the move half way.
void refuseFoldersInTheWay(const fs::path& archive, const fs::path& folder,
                           const std::vector<std::string>& files) {
    for (const std::string& file : files) {
        std::error_code ec;
        if (fs::is_directory(fs::symlink_status(folder / file, ec))) {
            throw UserError("The backup " + archive.filename().string() +
                            " was not restored; nothing was changed: " + file +
                            " in the folder is a folder, not a file.");
        }
    }
}

// The files of the backup's employees that the backup does not hold: only employee files,
// never a shared file, a saved period or a file of another kind.
std::vector<std::string> filesNotBackedUp(const fs::path& folder,
                                          const std::vector<std::string>& files) {
    const std::set<std::string> held(files.begin(), files.end());
    std::set<std::string> employees;
    for (const std::string& file : files) {
        if (fs::path(file).extension() == ".use") employees.insert(employeeFileOwner(file));
    }
    std::vector<std::string> removed;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(folder, ec)) {
        const std::string name = entry.path().filename().string();
        if (held.count(name) == 0 && employees.count(employeeFileOwner(name)) != 0) {
            removed.push_back(name);
        }
    }
    if (ec) throw UserError("The folder " + folder.string() + " cannot be read.");
    return removed;
}

// Writes a staged file from the member's bytes.
void stageFile(const fs::path& folder, const std::string& name, const MemberBytes& bytes) {
    const fs::path staged = stagedFilePath(folder, name);
    std::error_code ec;
    fs::create_directories(staged.parent_path(), ec);
    if (ec) throw FileError("The file " + name + " could not be staged: " + ec.message(), name);
    produceFileAtomically(
        staged,
        [&](const fs::path& temp) {
            const int fd = ::open(temp.c_str(), O_WRONLY | O_TRUNC);
            int error = fd < 0 ? errno : 0;
            if (fd >= 0) {
                bytes([&](std::string_view piece) {
                    while (error == 0 && !piece.empty()) {
                        const ssize_t n = ::write(fd, piece.data(), piece.size());
                        if (n < 0 && errno == EINTR) continue;
                        if (n < 0) error = errno;
                        if (n > 0) piece.remove_prefix(static_cast<std::size_t>(n));
                    }
                });
                if (::close(fd) != 0 && error == 0) error = errno;
            }
            if (error != 0) {
                throw FileError(
                    "The file " + name + " could not be written: " + std::strerror(error), name);
            }
        },
        false);
    // The file keeps the permissions of the one it replaces.
    const fs::path current = folder / name;
    const fs::file_status status = fs::symlink_status(current, ec);
    if (!ec && fs::is_regular_file(status)) fs::permissions(staged, status.permissions(), ec);
}

// Stages every file of the archive and checks them, as written, against the manifest again:
// the archive may have changed since it was verified.
void stageArchive(const fs::path& archive, const fs::path& folder, const ArchiveLimits& limits,
                  const BackupCheck& verified) {
    prepareStaging(folder);
    const ArchiveScan scan = scanArchive(
        archive, limits,
        [&](const std::string& name, const MemberBytes& bytes) { stageFile(folder, name, bytes); });
    const BackupCheck staged = checkScan(scan);
    if (!staged.problems.empty()) refuse(archive, staged.problems);
    if (staged.files != verified.files) {
        refuse(archive, {"the archive changed while it was being restored"});
    }
}

}  // namespace

std::vector<std::string> restoreBackup(const fs::path& archive, const fs::path& folder,
                                       const RestoreOptions& options) {
    const ArchiveLimits& limits = options.limits;
    const BackupCheck check = verifyBackup(archive, limits);
    if (!check.problems.empty()) refuse(archive, check.problems);
    // A move left part way by a pay run or a restore is finished before anything else.
    finishInterruptedCommit(folder);
    const std::vector<EmployeeHold> holds = holdEmployees(archive, folder, check.files);
    refuseFoldersInTheWay(archive, folder, check.files);
    if (options.keepFolder) options.keepFolder();
    const std::vector<std::string> removed = filesNotBackedUp(folder, check.files);
    try {
        stageArchive(archive, folder, limits, check);
        withFolderLock(folder, [&] { commitFolderFiles(folder, check.files, removed); });
    } catch (const ArchiveRefused&) {
        removeStaging(folder);
        throw;
    } catch (const UserError& e) {
        if (fs::exists(folder / kRunJournal)) {
            throw UserError("The backup " + archive.filename().string() +
                            " was restored only in part: " + e.what() +
                            "\r\nThe next restore, backup or pay run finishes it.");
        }
        removeStaging(folder);
        throw UserError("The backup " + archive.filename().string() +
                        " was not restored, and the folder was not changed: " + e.what());
    }
    removeStaging(folder);
    return check.files;
}

}  // namespace corvanta
