#include "backup/archive_scan.h"

#include <archive.h>
#include <archive_entry.h>

#include <array>
#include <memory>
#include <set>

#include "backup/sha256_digest.h"
#include "base/core/user_error.h"
#include "session/payroll/folder_file_kind.h"

namespace corvanta {
namespace {

using ArchivePtr = std::unique_ptr<struct archive, int (*)(struct archive*)>;
constexpr std::size_t kPiece = 65536;

// A member's name as a message may show it: control characters would garble a terminal.
// "16 MB", or the bytes when they are no whole number of megabytes.
std::string byteText(std::uint64_t bytes) {
    constexpr std::uint64_t kMegabyte = std::uint64_t{1} << 20;
    return bytes % kMegabyte == 0 ? std::to_string(bytes / kMegabyte) + " MB"
                                  : std::to_string(bytes) + " bytes";
}

std::string shownName(const std::string& name) {
    if (name.empty()) return "(a member without a name)";
    std::string shown = name;
    for (char& c : shown) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) c = '?';
    }
    return shown;
}

// Empty for a plain file; otherwise what the member is.
std::string notPlainFile(struct archive_entry* e) {
    if (archive_entry_hardlink(e) != nullptr) return "a hard link";
    if (archive_entry_symlink(e) != nullptr) return "a symbolic link";
    switch (archive_entry_filetype(e)) {
        case AE_IFREG:
            return "";
        case AE_IFDIR:
            return "a folder";
        default:
            return "a special file";
    }
}

class Scanner {
  public:
    Scanner(const std::filesystem::path& archive, const ArchiveLimits& limits)
        : archive_(archive), limits_(limits), a_(archive_read_new(), archive_read_free) {
        // gzip and plain tar only: other filters may run outside programs.
        archive_read_support_filter_gzip(a_.get());
        archive_read_support_filter_none(a_.get());
        archive_read_support_format_tar(a_.get());
        if (archive_read_open_filename(a_.get(), archive.c_str(), kPiece) != ARCHIVE_OK) {
            throw FileError("The backup " + fileName() + " cannot be read: " + errorText(),
                            fileName());
        }
    }

    ArchiveScan run(const MemberSink& sink) {
        struct archive_entry* e = nullptr;
        for (;;) {
            const int rc = archive_read_next_header(a_.get(), &e);
            if (rc == ARCHIVE_EOF) break;
            if (rc < ARCHIVE_WARN) damaged();
            if (!takeMember(e, sink)) {
                scan_.complete = false;
                break;
            }
        }
        return std::move(scan_);
    }

  private:
    [[nodiscard]] std::string fileName() const { return archive_.filename().string(); }
    std::string errorText() {
        const char* text = archive_error_string(a_.get());
        return text != nullptr ? text : "not a backup archive";
    }
    [[noreturn]] void damaged() {
        throw FileError("The backup " + fileName() + " is damaged: " + errorText(), fileName());
    }
    void problem(const std::string& name, const std::string& what) {
        scan_.problems.push_back(shownName(name) + ": " + what);
    }

    // Reads the member's bytes to `piece`; at most `size` of them.
    std::uint64_t readBytes(const std::string& name, std::uint64_t size,
                            const std::function<void(std::string_view)>& piece) {
        std::array<char, kPiece> buffer{};
        std::uint64_t read = 0;
        for (;;) {
            const la_ssize_t n = archive_read_data(a_.get(), buffer.data(), buffer.size());
            if (n < 0) damaged();
            if (n == 0) return read;
            read += static_cast<std::uint64_t>(n);
            if (read > size) {
                throw FileError("The backup " + fileName() + " is damaged: " + shownName(name) +
                                    " holds more than its header says.",
                                fileName());
            }
            piece(std::string_view(buffer.data(), static_cast<std::size_t>(n)));
        }
    }

    // False when the rest of the archive is not to be read.
    bool takeMember(struct archive_entry* e, const MemberSink& sink) {
        const char* path = archive_entry_pathname(e);
        // A name the locale cannot translate is still known in UTF-8.
        if (path == nullptr) path = archive_entry_pathname_utf8(e);
        const std::string name = path != nullptr ? path : "";
        const bool isManifest = name == kBackupManifest;
        const la_int64_t claimed = archive_entry_size_is_set(e) != 0 ? archive_entry_size(e) : 0;
        const std::uint64_t limit = isManifest ? limits_.manifestBytes : limits_.memberBytes;
        if (claimed < 0 || static_cast<std::uint64_t>(claimed) > limit) {
            problem(name, std::to_string(claimed) + " bytes, more than the " + byteText(limit) +
                              " a file of a backup may hold; the rest of the archive was not read");
            return false;
        }
        const auto size = static_cast<std::uint64_t>(claimed);
        total_ += size;
        if (total_ > limits_.totalBytes) {
            problem(name, "the archive unpacks to more than " + std::to_string(limits_.totalBytes) +
                              " bytes; the rest of it was not read");
            return false;
        }
        if (const std::string kind = notPlainFile(e); !kind.empty()) {
            problem(name, kind + ", not a plain file");
            return true;
        }
        if (isManifest) {
            if (scan_.manifest) {
                problem(name, "in the archive twice");
                return true;
            }
            std::string text;
            readBytes(name, size, [&](std::string_view piece) { text.append(piece); });
            scan_.manifest = std::move(text);
            return true;
        }
        if (const std::string reason = notDataReason(name); !reason.empty()) {
            problem(name, "refused, " + reason);
            return true;
        }
        if (!seen_.insert(name).second) {
            problem(name, "in the archive twice");
            return true;
        }
        Sha256Digest digest;
        std::uint64_t streamed = 0;
        bool read = false;
        const MemberBytes bytes = [&](const std::function<void(std::string_view)>& to) {
            if (read) return;
            read = true;
            streamed = readBytes(name, size, [&](std::string_view piece) {
                digest.add(piece);
                to(piece);
            });
        };
        if (sink) sink(name, bytes);
        bytes([](std::string_view) {});
        scan_.members.push_back({name, streamed, digest.hex()});
        return true;
    }

    std::filesystem::path archive_;
    ArchiveLimits limits_;
    ArchivePtr a_;
    ArchiveScan scan_;
    std::set<std::string> seen_;
    std::uint64_t total_ = 0;
};

}  // namespace

ArchiveScan scanArchive(const std::filesystem::path& archive, const ArchiveLimits& limits,
                        const MemberSink& sink) {
    return Scanner(archive, limits).run(sink);
}

}  // namespace corvanta
