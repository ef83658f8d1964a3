#pragma once

#include <archive.h>
#include <archive_entry.h>
#include <nettle/sha2.h>

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace corvanta::testing {

// The SHA-256 of `zeros` zero bytes followed by `bytes`, as the manifest writes it.
inline std::string sha256Of(const std::string& bytes, std::uint64_t zeros = 0) {
    sha256_ctx ctx;
    sha256_init(&ctx);
    const std::array<std::uint8_t, 65536> block{};
    for (std::uint64_t left = zeros; left > 0;) {
        const std::size_t n = left < block.size() ? left : block.size();
        sha256_update(&ctx, n, block.data());
        left -= n;
    }
    sha256_update(&ctx, bytes.size(), reinterpret_cast<const std::uint8_t*>(bytes.data()));
    std::array<std::uint8_t, SHA256_DIGEST_SIZE> digest{};
    sha256_digest(&ctx, digest.size(), digest.data());
    std::string hex;
    for (const std::uint8_t d : digest) {
        hex += "0123456789abcdef"[d >> 4];
        hex += "0123456789abcdef"[d & 15];
    }
    return hex;
}

// Builds a backup archive member by member, as a careless or hostile program might: any name,
// links, folders, sparse members whose header claims more than the archive holds, and a
// manifest that lists the members truly unless told otherwise.
class ArchiveBuilder {
  public:
    enum class Kind { kFile, kSparse, kHardLink, kSymlink, kFolder };

    ArchiveBuilder& file(const std::string& name, const std::string& bytes) {
        members_.push_back({Kind::kFile, name, bytes, 0, ""});
        return listed(name, sha256Of(bytes), std::to_string(bytes.size()));
    }
    // A member of `size` zero bytes stored as a hole: the archive stays a few hundred bytes.
    ArchiveBuilder& sparse(const std::string& name, std::uint64_t size) {
        members_.push_back({Kind::kSparse, name, "", size, ""});
        return listed(name, sha256Of("", size), std::to_string(size));
    }
    ArchiveBuilder& link(Kind kind, const std::string& name, const std::string& target) {
        members_.push_back({kind, name, "", 0, target});
        return listed(name, sha256Of(""), "0");
    }
    ArchiveBuilder& folder(const std::string& name) {
        members_.push_back({Kind::kFolder, name, "", 0, ""});
        return *this;
    }
    // The manifest's line for a name, in place of the true one.
    ArchiveBuilder& listed(const std::string& name, const std::string& sha256,
                           const std::string& size) {
        manifest_ += sha256 + "  " + size + "  " + name + "\n";
        return *this;
    }
    ArchiveBuilder& manifest(const std::string& text) {
        ownManifest_ = text;
        return *this;
    }

    void write(const std::filesystem::path& path) const {
        std::unique_ptr<archive, int (*)(archive*)> a(archive_write_new(), archive_write_free);
        archive_write_add_filter_gzip(a.get());
        archive_write_set_format_pax(a.get());
        archive_write_open_filename(a.get(), path.c_str());
        add(a.get(), {Kind::kFile, "MANIFEST.sha256", ownManifest_.value_or(manifest_), 0, ""});
        for (const Member& m : members_) add(a.get(), m);
        archive_write_close(a.get());
    }

  private:
    struct Member {
        Kind kind;
        std::string name;
        std::string bytes;
        std::uint64_t size;
        std::string target;
    };

    static void add(archive* a, const Member& m) {
        std::unique_ptr<archive_entry, void (*)(archive_entry*)> e(archive_entry_new(),
                                                                   archive_entry_free);
        archive_entry_set_pathname(e.get(), m.name.c_str());
        archive_entry_set_perm(e.get(), 0644);
        archive_entry_set_filetype(e.get(), m.kind == Kind::kFolder    ? AE_IFDIR
                                            : m.kind == Kind::kSymlink ? AE_IFLNK
                                                                       : AE_IFREG);
        if (m.kind == Kind::kHardLink) archive_entry_set_hardlink(e.get(), m.target.c_str());
        if (m.kind == Kind::kSymlink) archive_entry_set_symlink(e.get(), m.target.c_str());
        const std::uint64_t size = m.kind == Kind::kSparse ? m.size : m.bytes.size();
        archive_entry_set_size(e.get(), static_cast<la_int64_t>(size));
        // One block of zeros is stored, at the end; the rest is a hole.
        constexpr la_int64_t kStored = 512;
        if (m.kind == Kind::kSparse) {
            archive_entry_sparse_add_entry(e.get(), static_cast<la_int64_t>(size) - kStored,
                                           kStored);
        }
        archive_write_header(a, e.get());
        if (m.kind == Kind::kSparse) {
            const std::string block(kStored, '\0');
            archive_write_data(a, block.data(), block.size());
        }
        if (!m.bytes.empty()) archive_write_data(a, m.bytes.data(), m.bytes.size());
        archive_write_finish_entry(a);
    }

    std::vector<Member> members_;
    std::string manifest_;
    std::optional<std::string> ownManifest_;
};

}  // namespace corvanta::testing
