#include "backup/folder_backup.h"

#include <archive.h>
#include <archive_entry.h>
#include <nettle/sha2.h>

#include <algorithm>
#include <ctime>
#include <map>
#include <memory>
#include <set>
#include <sstream>

#include "base/core/user_error.h"
#include "base/files/file_io.h"
#include "base/files/lock_file.h"
#include "session/files/employee_hold.h"
#include "session/payroll/employee_commit.h"

namespace corvanta {
namespace {

using ArchivePtr = std::unique_ptr<struct archive, int (*)(struct archive*)>;

std::string readWhole(const std::filesystem::path& path) {
    const auto content = readFileIfExists(path);
    if (!content)
        throw FileError("The file " + path.filename().string() + " cannot be read.",
                        path.filename().string());
    return *content;
}

// A file name a backup may hold: a plain name in the folder, never a path out of it.
bool plainName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." && name.front() != '.' &&
           name.find('/') == std::string::npos && name.find('\\') == std::string::npos;
}

void addEntry(struct archive* a, const std::string& name, const std::string& bytes,
              std::time_t when) {
    std::unique_ptr<struct archive_entry, void (*)(struct archive_entry*)> e(archive_entry_new(),
                                                                             archive_entry_free);
    archive_entry_set_pathname(e.get(), name.c_str());
    archive_entry_set_size(e.get(), static_cast<la_int64_t>(bytes.size()));
    archive_entry_set_filetype(e.get(), AE_IFREG);
    archive_entry_set_perm(e.get(), 0600);
    archive_entry_set_mtime(e.get(), when, 0);
    if (archive_write_header(a, e.get()) != ARCHIVE_OK ||
        archive_write_data(a, bytes.data(), bytes.size()) !=
            static_cast<la_ssize_t>(bytes.size())) {
        throw UserError(std::string("The backup could not be written: ") + archive_error_string(a));
    }
}

std::string manifestText(const std::map<std::string, std::string>& files) {
    std::string out;
    for (const auto& [name, bytes] : files) {
        out += sha256Hex(bytes) + "  " + std::to_string(bytes.size()) + "  " + name + "\n";
    }
    return out;
}

// Every entry of the archive by name.
std::map<std::string, std::string> readArchive(const std::filesystem::path& archive) {
    ArchivePtr a(archive_read_new(), archive_read_free);
    archive_read_support_filter_all(a.get());
    archive_read_support_format_tar(a.get());
    const std::string name = archive.filename().string();
    if (archive_read_open_filename(a.get(), archive.c_str(), 65536) != ARCHIVE_OK) {
        throw FileError("The backup " + name + " cannot be read: " + archive_error_string(a.get()),
                        name);
    }
    std::map<std::string, std::string> entries;
    struct archive_entry* e = nullptr;
    int rc = ARCHIVE_OK;
    while ((rc = archive_read_next_header(a.get(), &e)) == ARCHIVE_OK) {
        std::string bytes;
        char buffer[65536];
        la_ssize_t n = 0;
        while ((n = archive_read_data(a.get(), buffer, sizeof buffer)) > 0) {
            bytes.append(buffer, static_cast<std::size_t>(n));
        }
        if (n < 0) break;
        entries[archive_entry_pathname(e)] = std::move(bytes);
    }
    if (rc != ARCHIVE_EOF) {
        throw FileError("The backup " + name + " is damaged: " + archive_error_string(a.get()),
                        name);
    }
    return entries;
}

struct ManifestLine {
    std::string hash;
    std::size_t size = 0;
    std::string name;
};

std::vector<ManifestLine> parseManifest(const std::string& text) {
    std::vector<ManifestLine> lines;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        const auto a = line.find("  ");
        const auto b = a == std::string::npos ? a : line.find("  ", a + 2);
        if (b == std::string::npos) throw UserError("The backup's manifest is damaged.");
        ManifestLine m{line.substr(0, a), 0, line.substr(b + 2)};
        m.size = std::stoull(line.substr(a + 2, b - a - 2));
        lines.push_back(m);
    }
    return lines;
}

// An employee of the backup gets back exactly her files: one the run wrote after the backup
// (a state file she did not have) would otherwise stay and change her figures.
void removeFilesNotBackedUp(const std::filesystem::path& folder,
                            const std::vector<std::string>& files) {
    const std::set<std::string> held(files.begin(), files.end());
    std::set<std::string> employees;
    for (const std::string& f : files) {
        const std::filesystem::path p(f);
        if (p.extension() == ".use") employees.insert(p.stem().string());
    }
    for (const std::string& name : backupFileNames(folder)) {
        const std::filesystem::path p(name);
        if (held.count(name) == 0 && employees.count(p.stem().string()) != 0 &&
            p.stem().string().find('.') == std::string::npos) {
            std::filesystem::remove(folder / name);
        }
    }
}

}  // namespace

std::string sha256Hex(const std::string& bytes) {
    sha256_ctx ctx;
    sha256_init(&ctx);
    sha256_update(&ctx, bytes.size(), reinterpret_cast<const uint8_t*>(bytes.data()));
    uint8_t digest[SHA256_DIGEST_SIZE];
    sha256_digest(&ctx, SHA256_DIGEST_SIZE, digest);
    static const char* const hex = "0123456789abcdef";
    std::string out;
    for (const uint8_t d : digest) {
        out += hex[d >> 4];
        out += hex[d & 15];
    }
    return out;
}

std::vector<std::string> backupFileNames(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
        const std::string name = entry.path().filename().string();
        // A lock file belongs to the program holding it, not to the folder's data.
        if (entry.is_regular_file() && plainName(name) && !isLockFileName(name)) {
            names.push_back(name);
        }
    }
    if (ec) throw UserError("The folder " + folder.string() + " cannot be read.");
    std::sort(names.begin(), names.end());
    return names;
}

std::filesystem::path defaultBackupPath(const std::filesystem::path& folder, std::time_t when) {
    std::tm local{};
    localtime_r(&when, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%d %H%M%S", &local);
    return folder / "Backups" / (std::string("Corvanta backup ") + stamp + ".tar.gz");
}

void writeBackup(const std::filesystem::path& folder, const std::filesystem::path& archive) {
    std::map<std::string, std::string> files;
    for (const std::string& name : backupFileNames(folder)) {
        if (folder / name != archive) files[name] = readWhole(folder / name);
    }
    const std::time_t when = std::time(nullptr);
    std::error_code ec;
    if (archive.has_parent_path()) std::filesystem::create_directories(archive.parent_path(), ec);
    produceFileAtomically(archive, [&](const std::filesystem::path& temp) {
        ArchivePtr a(archive_write_new(), archive_write_free);
        archive_write_add_filter_gzip(a.get());
        archive_write_set_format_pax_restricted(a.get());
        if (archive_write_open_filename(a.get(), temp.c_str()) != ARCHIVE_OK) {
            throw UserError(std::string("The backup could not be written: ") +
                            archive_error_string(a.get()));
        }
        addEntry(a.get(), kBackupManifest, manifestText(files), when);
        for (const auto& [name, bytes] : files) addEntry(a.get(), name, bytes, when);
        if (archive_write_close(a.get()) != ARCHIVE_OK) {
            throw UserError(std::string("The backup could not be written: ") +
                            archive_error_string(a.get()));
        }
    });
}

BackupCheck verifyBackup(const std::filesystem::path& archive) {
    const auto entries = readArchive(archive);
    BackupCheck check;
    const auto manifest = entries.find(kBackupManifest);
    if (manifest == entries.end()) {
        check.problems.push_back("the archive has no manifest " + std::string(kBackupManifest));
        return check;
    }
    std::size_t listed = 0;
    for (const ManifestLine& m : parseManifest(manifest->second)) {
        check.files.push_back(m.name);
        if (!plainName(m.name)) {
            check.problems.push_back(m.name + ": not a file name of the folder");
            continue;
        }
        const auto it = entries.find(m.name);
        if (it == entries.end()) {
            check.problems.push_back(m.name + ": missing from the archive");
        } else if (it->second.size() != m.size || sha256Hex(it->second) != m.hash) {
            check.problems.push_back(m.name + ": does not match its SHA-256");
        }
        ++listed;
    }
    if (entries.size() != listed + 1) {
        check.problems.emplace_back("the archive holds files the manifest does not list");
    }
    return check;
}

std::vector<std::string> restoreBackup(const std::filesystem::path& archive,
                                       const std::filesystem::path& folder) {
    const BackupCheck check = verifyBackup(archive);
    if (!check.problems.empty()) {
        throw UserError(
            "The backup " + archive.filename().string() +
            " does not match its manifest; nothing was restored: " + check.problems.front());
    }
    const auto entries = readArchive(archive);
    // Every employee of the backup is held while her files are put back; none is replaced
    // behind a program that has her open.
    std::vector<EmployeeHold> holds;
    std::string inUse;
    for (const std::string& name : check.files) {
        const std::filesystem::path p(name);
        if (p.extension() != ".use") continue;
        holds.push_back(holdEmployee(folder, p.stem().string(), {}));
        if (holds.back().readOnly()) inUse += "\r\n" + holds.back().inUse;
    }
    if (!inUse.empty()) {
        throw UserError("The backup " + archive.filename().string() +
                        " was not restored; nothing was changed. Employees in use:" + inUse);
    }
    // The folder goes back to the backup's moment: a pay run stopped part way is dropped.
    std::filesystem::remove(folder / kRunJournal);
    removeStaging(folder);
    withFolderLock(folder, [&] {
        for (const std::string& name : check.files) {
            writeFileAtomically(folder / name, entries.at(name));
        }
    });
    removeFilesNotBackedUp(folder, check.files);
    return check.files;
}

}  // namespace corvanta
