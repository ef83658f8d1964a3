#include "backup/folder_backup.h"

#include <archive.h>
#include <archive_entry.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <memory>

#include "backup/backup_manifest.h"
#include "backup/sha256_digest.h"
#include "base/core/user_error.h"
#include "base/files/file_io.h"
#include "session/files/folder_sync.h"
#include "session/payroll/folder_file_kind.h"

namespace corvanta {
namespace {

namespace fs = std::filesystem;
using ArchivePtr = std::unique_ptr<struct archive, int (*)(struct archive*)>;
using EntryPtr = std::unique_ptr<struct archive_entry, void (*)(struct archive_entry*)>;
constexpr std::size_t kPiece = 65536;
constexpr int kMostBackupsInOneSecond = 10000;

[[noreturn]] void writeFailed(struct archive* a) {
    const char* text = archive_error_string(a);
    throw UserError(std::string("The backup could not be written: ") +
                    (text != nullptr ? text : "unknown error"));
}

[[noreturn]] void cannotRead(const std::string& name, const std::string& why) {
    throw FileError("The file " + name + " cannot be read for the backup: " + why, name);
}

class OpenFile {
  public:
    explicit OpenFile(const fs::path& path) : fd_(::open(path.c_str(), O_RDONLY | O_NOFOLLOW)) {}
    ~OpenFile() {
        if (fd_ >= 0) ::close(fd_);
    }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    [[nodiscard]] int fd() const { return fd_; }

  private:
    int fd_;
};

void writeHeader(struct archive* a, const std::string& name, std::uint64_t size, std::time_t when) {
    const EntryPtr e(archive_entry_new(), archive_entry_free);
    archive_entry_set_pathname(e.get(), name.c_str());
    archive_entry_set_size(e.get(), static_cast<la_int64_t>(size));
    archive_entry_set_filetype(e.get(), AE_IFREG);
    archive_entry_set_perm(e.get(), 0600);
    archive_entry_set_mtime(e.get(), when, 0);
    if (archive_write_header(a, e.get()) != ARCHIVE_OK) writeFailed(a);
}

void writeBytes(struct archive* a, std::string_view bytes) {
    if (archive_write_data(a, bytes.data(), bytes.size()) !=
        static_cast<la_ssize_t>(bytes.size())) {
        writeFailed(a);
    }
}

// Streams one file of the folder into the archive, hashing it on the way. The file is
// opened without following a link, so a link put in its place meanwhile is not followed.
ArchiveMember addFolderFile(struct archive* a, const fs::path& folder, const std::string& name,
                            std::time_t when) {
    const OpenFile file(folder / name);
    struct stat st {};
    if (file.fd() < 0 || ::fstat(file.fd(), &st) != 0 || !S_ISREG(st.st_mode)) {
        cannotRead(name, "it is not a plain file that can be opened");
    }
    const auto size = static_cast<std::uint64_t>(st.st_size);
    const std::uint64_t limit = ArchiveLimits{}.memberBytes;
    if (size > limit) {
        cannotRead(name, "it holds " + std::to_string(size) + " bytes, more than the " +
                             std::to_string(limit) + " a file of a backup may hold");
    }
    writeHeader(a, name, size, when);
    Sha256Digest digest;
    std::array<char, kPiece> buffer{};
    std::uint64_t done = 0;
    while (done < size) {
        const std::size_t want = std::min<std::uint64_t>(buffer.size(), size - done);
        const ssize_t n = ::read(file.fd(), buffer.data(), want);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) cannotRead(name, "it changed while the backup was written; try again");
        const std::string_view piece(buffer.data(), static_cast<std::size_t>(n));
        digest.add(piece);
        writeBytes(a, piece);
        done += static_cast<std::uint64_t>(n);
    }
    return {name, size, digest.hex()};
}

bool notPlainAscii(const std::string& name) {
    return std::any_of(name.begin(), name.end(),
                       [](char c) { return static_cast<unsigned char>(c) > 0x7f; });
}

fs::path datedName(const fs::path& folder, std::time_t when, int number) {
    std::tm local{};
    localtime_r(&when, &local);
    std::array<char, 32> stamp{};
    std::strftime(stamp.data(), stamp.size(), "%Y-%m-%d %H%M%S", &local);
    const std::string counter = number > 1 ? "-" + std::to_string(number) : "";
    return folder / kBackupsFolder /
           (std::string("Corvanta backup ") + stamp.data() + counter + ".tar.gz");
}

// Gives the written archive the first free dated name. A hard link fails on a name that is
// there, so two programs never take the same one.
fs::path claimDatedName(const fs::path& pending, const fs::path& folder, std::time_t when) {
    for (int number = 1; number <= kMostBackupsInOneSecond; ++number) {
        fs::path name = datedName(folder, when, number);
        std::error_code ec;
        fs::create_hard_link(pending, name, ec);
        if (ec == std::errc::file_exists) continue;
        if (ec) {
            // A file system without hard links: the free name is taken by a rename.
            if (fs::exists(name)) continue;
            fs::rename(pending, name, ec);
            if (ec) break;
        } else {
            fs::remove(pending, ec);
        }
        syncFolderEntries(name.parent_path());
        return name;
    }
    throw FileError(
        "The backup could not be given a name in " + (folder / kBackupsFolder).string() + ".",
        kBackupsFolder);
}

}  // namespace

FolderContents backupContents(const fs::path& folder) {
    FolderContents contents;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(folder, ec)) {
        const std::string name = entry.path().filename().string();
        std::error_code statError;
        const fs::file_status status = entry.symlink_status(statError);
        if (statError || !isFolderDataName(name)) continue;
        if (fs::is_symlink(status)) {
            contents.links.push_back(name);
        } else if (fs::is_regular_file(status)) {
            contents.files.push_back(name);
        }
    }
    if (ec) throw UserError("The folder " + folder.string() + " cannot be read.");
    std::sort(contents.files.begin(), contents.files.end());
    std::sort(contents.links.begin(), contents.links.end());
    return contents;
}

fs::path defaultBackupPath(const fs::path& folder, std::time_t when) {
    fs::path name = datedName(folder, when, 1);
    for (int number = 2; fs::exists(name) && number <= kMostBackupsInOneSecond; ++number) {
        name = datedName(folder, when, number);
    }
    return name;
}

BackupWritten writeBackup(const fs::path& folder, const fs::path& archive) {
    const FolderContents contents = backupContents(folder);
    const std::time_t when = std::time(nullptr);
    std::error_code ec;
    if (archive.has_parent_path()) fs::create_directories(archive.parent_path(), ec);
    produceFileAtomically(archive, [&](const fs::path& temp) {
        const ArchivePtr a(archive_write_new(), archive_write_free);
        archive_write_add_filter_gzip(a.get());
        archive_write_set_format_pax_restricted(a.get());
        // A name that is not plain ASCII goes in as the bytes it is on disk: translating it
        // would need a locale that knows it, which a script may not run in.
        if (std::any_of(contents.files.begin(), contents.files.end(), notPlainAscii)) {
            archive_write_set_format_option(a.get(), "pax", "hdrcharset", "BINARY");
        }
        if (archive_write_open_filename(a.get(), temp.c_str()) != ARCHIVE_OK) writeFailed(a.get());
        std::vector<ArchiveMember> files;
        for (const std::string& name : contents.files) {
            files.push_back(addFolderFile(a.get(), folder, name, when));
        }
        // The manifest comes last: it is made while the files stream past.
        const std::string manifest = manifestText(files);
        writeHeader(a.get(), kBackupManifest, manifest.size(), when);
        writeBytes(a.get(), manifest);
        if (archive_write_close(a.get()) != ARCHIVE_OK) writeFailed(a.get());
    });
    return {archive, contents.files, contents.links};
}

BackupWritten writeDatedBackup(const fs::path& folder, std::time_t when) {
    static std::atomic<unsigned> serial{0};
    const fs::path pending =
        folder / kBackupsFolder /
        (".pending " + std::to_string(::getpid()) + "-" + std::to_string(serial++) + ".tar.gz");
    BackupWritten written = writeBackup(folder, pending);
    try {
        written.archive = claimDatedName(pending, folder, when);
    } catch (const UserError&) {
        std::error_code ec;
        fs::remove(pending, ec);
        throw;
    }
    return written;
}

BackupCheck checkScan(const ArchiveScan& scan) {
    BackupCheck check;
    check.problems = scan.problems;
    if (!scan.manifest) {
        check.problems.push_back("the archive has no manifest " + std::string(kBackupManifest));
        return check;
    }
    const ParsedManifest manifest = parseManifest(*scan.manifest);
    check.problems.insert(check.problems.end(), manifest.problems.begin(), manifest.problems.end());
    // Files after a stop were not read, so they are not missing.
    if (scan.complete) {
        const auto mismatches = manifestMismatches(manifest.entries, scan.members);
        check.problems.insert(check.problems.end(), mismatches.begin(), mismatches.end());
    }
    for (const ManifestEntry& entry : manifest.entries) check.files.push_back(entry.name);
    return check;
}

BackupCheck verifyBackup(const fs::path& archive, const ArchiveLimits& limits) {
    return checkScan(scanArchive(archive, limits));
}

}  // namespace corvanta
