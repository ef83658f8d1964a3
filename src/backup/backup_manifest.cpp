#include "backup/backup_manifest.h"

#include <charconv>
#include <map>
#include <optional>
#include <set>
#include <sstream>

#include "session/payroll/folder_file_kind.h"

namespace corvanta {
namespace {

constexpr std::string_view kSeparator = "  ";
constexpr std::size_t kSha256Digits = 64;

bool isSha256(std::string_view text) {
    return text.size() == kSha256Digits &&
           text.find_first_not_of("0123456789abcdef") == std::string_view::npos;
}

std::optional<std::uint64_t> byteCount(std::string_view text) {
    std::uint64_t value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end) return std::nullopt;
    return value;
}

std::string printable(std::string_view text) {
    std::string shown(text);
    for (char& c : shown) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) c = '?';
    }
    return shown;
}

}  // namespace

std::string manifestText(const std::vector<ArchiveMember>& files) {
    std::string out;
    for (const ArchiveMember& f : files) {
        out.append(f.sha256).append(kSeparator).append(std::to_string(f.size));
        out.append(kSeparator).append(f.name).append("\n");
    }
    return out;
}

ParsedManifest parseManifest(const std::string& text) {
    ParsedManifest parsed;
    std::set<std::string> listed;
    std::istringstream in(text);
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        const std::string where = std::string(kBackupManifest) + " line " + std::to_string(number);
        const auto a = line.find(kSeparator);
        const auto b = a == std::string::npos ? a : line.find(kSeparator, a + kSeparator.size());
        if (b == std::string::npos) {
            parsed.problems.push_back(where + ": not \"SHA-256  size  name\"");
            continue;
        }
        ManifestEntry entry{line.substr(0, a), 0, line.substr(b + kSeparator.size())};
        const std::string sizeText = line.substr(a + kSeparator.size(), b - a - kSeparator.size());
        const std::string entryWhere = where + " (" + printable(entry.name) + ")";
        bool sound = true;
        if (!isSha256(entry.sha256)) {
            parsed.problems.push_back(entryWhere + ": the SHA-256 \"" + printable(entry.sha256) +
                                      "\" is not 64 hexadecimal digits");
            sound = false;
        }
        if (const auto size = byteCount(sizeText)) {
            entry.size = *size;
        } else {
            parsed.problems.push_back(entryWhere + ": the size \"" + printable(sizeText) +
                                      "\" is not a number of bytes");
            sound = false;
        }
        if (const std::string reason = notDataReason(entry.name); !reason.empty()) {
            std::string refusal = entryWhere;
            parsed.problems.push_back(refusal.append(": refused, ").append(reason));
            sound = false;
        } else if (!listed.insert(entry.name).second) {
            parsed.problems.push_back(entryWhere + ": listed twice");
            sound = false;
        }
        if (sound) parsed.entries.push_back(entry);
    }
    return parsed;
}

std::vector<std::string> manifestMismatches(const std::vector<ManifestEntry>& manifest,
                                            const std::vector<ArchiveMember>& members) {
    std::map<std::string, const ArchiveMember*> byName;
    for (const ArchiveMember& m : members) byName.emplace(m.name, &m);
    std::vector<std::string> problems;
    std::set<std::string> listed;
    for (const ManifestEntry& entry : manifest) {
        listed.insert(entry.name);
        const auto it = byName.find(entry.name);
        if (it == byName.end()) {
            problems.push_back(entry.name + ": missing from the archive");
        } else if (it->second->size != entry.size || it->second->sha256 != entry.sha256) {
            problems.push_back(entry.name + ": does not match its SHA-256");
        }
    }
    for (const ArchiveMember& m : members) {
        if (listed.count(m.name) == 0) {
            problems.push_back(m.name + ": in the archive but not listed in the manifest");
        }
    }
    return problems;
}

}  // namespace corvanta
