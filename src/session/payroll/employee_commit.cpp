#include "session/payroll/employee_commit.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <ctime>
#include <optional>
#include <sstream>
#include <thread>
#include <utility>

#include "base/core/user_error.h"
#include "base/files/file_io.h"
#include "base/files/lock_file.h"
#include "session/files/employee_hold.h"
#include "session/files/folder_sync.h"
#include "session/payroll/folder_file_kind.h"

namespace corvanta {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kRemoveLine = "remove ";

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

// A file's size and 64-bit FNV-1a hash of its bytes, or "-" when there is none: what the
// journal compares to tell whether a file changed after it was written.
std::string contentMark(const fs::path& path) {
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) return "-";
    const auto content = readFileIfExists(path);
    if (!content) return "-";
    std::uint64_t hash = 14695981039346656037ULL;
    for (const char c : *content) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ULL;
    }
    std::ostringstream mark;
    mark << content->size() << ':' << std::hex << hash;
    return mark.str();
}

struct JournalMove {
    std::string dir;
    std::string file;
    std::optional<std::pair<std::string, std::string>> marks;  // none in an older journal
};

// The staged files of one employee kept aside under a dated folder; their paths.
std::vector<std::string> setAside(const fs::path& folder, const std::string& dir,
                                  const std::vector<JournalMove>& moves) {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    std::array<char, 32> stamp{};
    std::strftime(stamp.data(), stamp.size(), "%Y-%m-%d_%H%M%S", &local);
    fs::path target = fs::path(kSetAsideFolder) / stamp.data() / dir;
    for (int n = 2; fs::exists(folder / target); ++n) {
        target =
            fs::path(kSetAsideFolder) / (std::string(stamp.data()) + "-" + std::to_string(n)) / dir;
    }
    std::vector<std::string> kept;
    for (const JournalMove& m : moves) {
        const fs::path staged = folder / kStagingFolder / dir / m.file;
        if (!fs::exists(staged)) continue;
        std::error_code ec;
        fs::create_directories(folder / target, ec);
        fs::rename(staged, folder / target / m.file, ec);
        if (ec) throw FileError("The file " + m.file + " could not be set aside.", m.file);
        kept.push_back((target / m.file).string());
    }
    return kept;
}

// Whether every file of hers is as the journal found it, or already the staged one.
bool unchangedSince(const fs::path& folder, const std::vector<JournalMove>& moves) {
    for (const JournalMove& m : moves) {
        if (!m.marks) continue;
        const std::string now = contentMark(folder / m.file);
        if (now != m.marks->first && now != m.marks->second) return false;
    }
    return true;
}

// Her hold for the move. A command clearing stale locks holds each one for a moment, and
// must not make her look in use; a program that has her open still holds her after the wait.
EmployeeHold holdForMove(const fs::path& folder, const std::string& name) {
    using namespace std::chrono_literals;
    const auto deadline = std::chrono::steady_clock::now() + 1s;
    for (;;) {
        EmployeeHold hold = holdEmployee(folder, name, {});
        if (!hold.readOnly() || std::chrono::steady_clock::now() > deadline) return hold;
        std::this_thread::sleep_for(5ms);
    }
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

fs::path stageEmployee(const fs::path& folder, const std::string& name) {
    fs::path mine = folder / kStagingFolder / name;
    std::error_code ec;
    fs::remove_all(mine, ec);
    fs::create_directory(mine, ec);
    if (ec) throw FileError("The folder " + mine.string() + " cannot be made.", name);
    return mine;
}

void commitEmployees(const fs::path& folder, const std::vector<std::string>& names) {
    if (names.empty()) return;
    // Held from the journal's first byte to its removal, so no other command takes a live
    // move for an interrupted one.
    const std::optional<LockFile> lock = holdFolderLock(folder);
    const fs::path staging = folder / kStagingFolder;
    std::string journal;
    for (const std::string& name : names) {
        for (const auto& e : fs::directory_iterator(staging / name)) {
            const std::string file = e.path().filename().string();
            if (employeeOf(file) == name) journal += journalMoveLine(folder, name, file);
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
        if (isFolderDataName(file)) journal += journalMoveLine(folder, stagingDirOf(file), file);
    }
    for (const std::string& file : removed) {
        if (isFolderDataName(file)) journal.append(kRemoveLine).append(file + "\n");
    }
    // The staged files and the journal reach the disk before any file of the folder changes.
    syncFileSystemOf(folder / kStagingFolder);
    writeFileAtomically(folder / kRunJournal, journal);
    finishInterruptedCommit(folder);
}

std::string journalMoveLine(const fs::path& folder, const std::string& dir,
                            const std::string& file) {
    return dir + "/" + file + "\t" + contentMark(folder / file) + "\t" +
           contentMark(folder / kStagingFolder / dir / file) + "\n";
}

CommitRecovery recoverInterruptedCommit(const fs::path& folder) {
    CommitRecovery recovery;
    std::error_code ec;
    if (!fs::exists(folder / kRunJournal, ec)) return recovery;
    // One command finishes a journal, and only once its writer is gone: the writer holds the
    // folder lock until the journal is removed.
    const std::optional<LockFile> lock = holdFolderLock(folder);
    const auto journal = readFileIfExists(folder / kRunJournal);
    if (!journal) return recovery;
    recovery.found = true;
    std::map<std::string, std::vector<JournalMove>> moves;  // by employee
    std::vector<std::string> removals;
    std::istringstream lines(*journal);
    std::string entry;
    while (std::getline(lines, entry)) {
        const auto slash = entry.find('/');
        if (slash == std::string::npos) {
            if (entry.starts_with(kRemoveLine))
                removals.push_back(entry.substr(kRemoveLine.size()));
            continue;
        }
        JournalMove m{entry.substr(0, slash), entry.substr(slash + 1), std::nullopt};
        if (const auto tab = m.file.find('\t'); tab != std::string::npos) {
            const std::string marks = m.file.substr(tab + 1);
            m.file.resize(tab);
            const auto second = marks.find('\t');
            if (second != std::string::npos) {
                m.marks = std::pair{marks.substr(0, second), marks.substr(second + 1)};
            }
        }
        if (mayMoveIn(m.dir, m.file)) moves[m.dir].push_back(m);
    }
    // Each one held while she is moved: nobody opens her half moved.
    std::vector<EmployeeHold> holds;
    for (const auto& [dir, mine] : moves) {
        holds.push_back(holdForMove(folder, dir));
        if (holds.back().readOnly() || !unchangedSince(folder, mine)) {
            const auto kept = setAside(folder, dir, mine);
            recovery.setAside.insert(recovery.setAside.end(), kept.begin(), kept.end());
            continue;
        }
        for (const JournalMove& m : mine) moveStagedFile(folder, m.dir, m.file);
    }
    for (const std::string& file : removals) removeFolderFile(folder, file);
    syncFolderEntries(folder);
    fs::remove(folder / kRunJournal);
    syncFolderEntries(folder);
    return recovery;
}

bool finishInterruptedCommit(const fs::path& folder) {
    return recoverInterruptedCommit(folder).found;
}

std::string setAsideMessage(const CommitRecovery& recovery) {
    if (recovery.setAside.empty()) return "";
    std::string names;
    for (const std::string& file : recovery.setAside) names += (names.empty() ? "" : ", ") + file;
    return "An interrupted pay run or restore was finished. Files of employees changed since, "
           "or in use, were not moved in but kept aside: " +
           names + ".";
}

void removeStaging(const fs::path& folder) {
    std::error_code ec;
    fs::remove_all(folder / kStagingFolder, ec);
}

}  // namespace corvanta
