#pragma once

#include <filesystem>
#include <functional>

namespace corvanta {

// Replaces a file with what `produce` writes to the temporary path it is given (in the same
// folder), so the file is always the whole old or the whole new version: the temporary file
// is flushed to disk, given the old file's mode (owner-only for a new one), renamed over the
// target and the folder flushed. `produce` reports a failure by throwing; the target is then
// unchanged and the temporary file removed. Throws FileError naming the file.
void produceFileAtomically(const std::filesystem::path& path,
                           const std::function<void(const std::filesystem::path&)>& produce,
                           bool durable = true);

}  // namespace corvanta
