#include "session/files/file_group.h"

#include "base/files/file_io.h"

namespace corvanta {

std::filesystem::path FileGroup::fileToRead(const std::string& base,
                                            const std::string& extension) const {
    const std::string name = base + extension;
    if (!stagedIn.empty()) {
        std::error_code ec;
        std::filesystem::path staged = stagedIn / name;
        if (std::filesystem::exists(staged, ec)) return staged;
    }
    return folder / name;
}

std::filesystem::path FileGroup::fileToWrite(const std::string& base,
                                             const std::string& extension) const {
    return (stagedIn.empty() ? folder : stagedIn) / (base + extension);
}

void FileGroup::write(const std::string& base, const std::string& extension,
                      std::string_view content) const {
    const std::filesystem::path target = fileToWrite(base, extension);
    if (!stagedIn.empty()) {
        std::error_code ec;
        if (!std::filesystem::exists(target, ec) &&
            holdsExactly(folder / (base + extension), content)) {
            return;
        }
    }
    writeFileAtomically(target, content, durableWrites);
}

}  // namespace corvanta
