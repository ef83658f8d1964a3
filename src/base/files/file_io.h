#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace corvanta {

// Replaces a file so that it is always either the complete old or the complete new version:
// the content goes to a temporary file in the same folder, which is flushed to disk and
// renamed over the target; then the folder itself is flushed. A new file is owner-only; a
// rewritten one keeps its permissions. A file that already holds exactly the content is left
// as it is. Throws FileError naming the file.
void writeFileAtomically(const std::filesystem::path& path, std::string_view content,
                         bool durable = true);

// The same, for content that another library writes itself: `produce` writes the temporary
// path it is given (in the same folder) and reports a failure by throwing; the target is then
// unchanged and the temporary file removed.
void produceFileAtomically(const std::filesystem::path& path,
                           const std::function<void(const std::filesystem::path&)>& produce,
                           bool durable = true);

// Whether the file is a regular file holding exactly these bytes; false when it cannot be read.
bool holdsExactly(const std::filesystem::path& path, std::string_view content);

// True when the file can be opened for reading.
bool canOpenForReading(const std::filesystem::path& path);

// The whole file, or nothing when it does not exist. Throws FileError when it exists but
// cannot be read.
std::optional<std::string> readFileIfExists(const std::filesystem::path& path);

}  // namespace corvanta
