#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "backup/archive_scan.h"

namespace corvanta {

// One line of a backup's manifest: "SHA-256  size  name".
struct ManifestEntry {
    std::string sha256;
    std::uint64_t size = 0;
    std::string name;
};

std::string manifestText(const std::vector<ArchiveMember>& files);

// A manifest as read, with what is wrong in it.
struct ParsedManifest {
    std::vector<ManifestEntry> entries;
    std::vector<std::string> problems;  // each names the line and its entry
};

// Reads every line with checks: a SHA-256 of 64 hexadecimal digits, a size that is a number
// of bytes, a name of the folder's own kinds, each name once.
ParsedManifest parseManifest(const std::string& text);

// What does not match between the manifest and the archive's files: a file missing, one of
// another size or SHA-256, one the manifest does not list.
std::vector<std::string> manifestMismatches(const std::vector<ManifestEntry>& manifest,
                                            const std::vector<ArchiveMember>& members);

}  // namespace corvanta
