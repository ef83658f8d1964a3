#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvanta {

// The name of the manifest inside every backup: one "SHA-256  size  name" line per file.
inline constexpr const char* kBackupManifest = "MANIFEST.sha256";

// How much an archive may unpack to. A folder's files are a few kilobytes each; an archive
// beyond these is refused before its bytes are read, however small it is packed.
struct ArchiveLimits {
    std::uint64_t memberBytes = std::uint64_t{16} << 20;
    std::uint64_t totalBytes = std::uint64_t{512} << 20;
    std::uint64_t manifestBytes = std::uint64_t{1} << 20;
};

// One file of an archive as its bytes were read.
struct ArchiveMember {
    std::string name;
    std::uint64_t size = 0;
    std::string sha256;
};

// Everything an archive holds, read with every member checked: a file of the folder's own
// kinds, a plain file, listed once, within the limits.
struct ArchiveScan {
    std::vector<ArchiveMember> members;  // in the archive's order, the manifest left out
    std::optional<std::string> manifest;
    std::vector<std::string> problems;  // each names the member; empty when every one passed
    bool complete = true;               // false when a limit stopped the reading
};

// Streams the bytes of one member, piece by piece, to the function given.
using MemberBytes = std::function<void(const std::function<void(std::string_view)>&)>;
// Told of each member that passed its checks, with its bytes to stream; a member the sink does
// not stream is read all the same.
using MemberSink = std::function<void(const std::string& name, const MemberBytes& bytes)>;

// Reads the archive (a tar, gzipped or not) member by member, hashing each as it streams.
// Throws FileError naming the archive when it cannot be opened or is damaged.
ArchiveScan scanArchive(const std::filesystem::path& archive, const ArchiveLimits& limits,
                        const MemberSink& sink = {});

}  // namespace corvanta
