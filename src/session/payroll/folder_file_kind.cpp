#include "session/payroll/folder_file_kind.h"

#include <array>
#include <string_view>

#include "base/files/lock_file.h"

namespace corvanta {
namespace {

constexpr std::array<std::string_view, 11> kEmployeeExtensions{
    ".use", ".and", ".cfe", ".ovw", ".ovb", ".sta", ".cti", ".nci", ".yrw", ".yrb", ".hol"};
constexpr std::array<std::string_view, 4> kSharedFiles{"Header.sav", "Federal08.dtt", "Company.sav",
                                                       "Checks.sav"};
constexpr std::string_view kPeriodExtension = ".prv";
constexpr std::string_view kPeriodSeparator = "  ";
constexpr std::string_view kBackupsFolder = "Backups";
// Characters no employee's name may hold, as New refuses them.
constexpr std::string_view kNotInNames = ":*?\"<>|";

bool hasControlCharacter(std::string_view name) {
    for (const char c : name) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) return true;
    }
    return false;
}

bool isEmployeeExtension(std::string_view extension) {
    for (const std::string_view e : kEmployeeExtensions) {
        if (e == extension) return true;
    }
    return false;
}

// "Federal08" of an employee file "Federal08.use": a restore that took her for an employee
// would treat the shared file of that name as one of her files.
bool namedLikeSharedFile(std::string_view base) {
    for (const std::string_view shared : kSharedFiles) {
        if (shared.substr(0, shared.find('.')) == base) return true;
    }
    return false;
}

std::string_view extensionOf(std::string_view name) {
    const auto dot = name.rfind('.');
    return dot == std::string_view::npos ? std::string_view{} : name.substr(dot);
}

}  // namespace

std::string notDataReason(const std::string& fileName) {
    const std::string_view name = fileName;
    if (name.empty()) return "a member without a name";
    if (name.find_first_of("/\\") != std::string_view::npos) {
        return "a path, not a file name of the working folder";
    }
    if (name.front() == '.') return "a hidden file (a temporary file or the pay run's own)";
    if (hasControlCharacter(name)) return "a name with a control character";
    if (isLockFileName(fileName)) return "a lock file, which belongs to the program holding it";
    if (name == kBackupsFolder) return "the name of the Backups folder";
    for (const std::string_view shared : kSharedFiles) {
        if (name == shared) return "";
    }
    const std::string_view extension = extensionOf(name);
    if (extension == kPeriodExtension && name.find(kPeriodSeparator) != std::string_view::npos) {
        return "";
    }
    if (!isEmployeeExtension(extension)) return "not a file of the working folder's kinds";
    const std::string_view base = name.substr(0, name.size() - extension.size());
    if (base.empty()) return "a default file, which backups leave alone";
    if (base.find_first_of(kNotInNames) != std::string_view::npos ||
        base.find("..") != std::string_view::npos) {
        return "not a name an employee can have";
    }
    if (namedLikeSharedFile(base)) return "an employee file named like a shared file";
    return "";
}

FolderFileKind folderFileKind(const std::string& fileName) {
    if (!notDataReason(fileName).empty()) return FolderFileKind::kNotData;
    for (const std::string_view shared : kSharedFiles) {
        if (fileName == shared) return FolderFileKind::kSharedFile;
    }
    return extensionOf(fileName) == kPeriodExtension ? FolderFileKind::kSavedPeriod
                                                     : FolderFileKind::kEmployeeFile;
}

std::string employeeFileOwner(const std::string& fileName) {
    if (folderFileKind(fileName) != FolderFileKind::kEmployeeFile) return "";
    return fileName.substr(0, fileName.size() - extensionOf(fileName).size());
}

}  // namespace corvanta
