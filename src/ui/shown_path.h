#pragma once

#include <filesystem>

namespace corvanta::ui {

// A path as the operator is shown it and as the file dialogs start from: absolute, without
// "." or ".." parts. The path as given when the file system cannot say.
inline std::filesystem::path shownPath(const std::filesystem::path& path) {
    std::error_code ignored;
    std::filesystem::path full = std::filesystem::weakly_canonical(path, ignored);
    return full.empty() ? path : full;
}

}  // namespace corvanta::ui
