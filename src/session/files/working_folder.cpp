#include "session/files/working_folder.h"

#include <system_error>

#include "base/core/user_error.h"
#include "base/files/file_io.h"
#include "base/files/lock_file.h"
#include "tax/core/federal_table.h"

namespace corvanta {

void prepareWorkingFolder(const std::filesystem::path& folder,
                          const std::filesystem::path& installedTable) {
    std::error_code failed;
    std::filesystem::create_directories(folder, failed);
    if (failed || !std::filesystem::is_directory(folder)) {
        throw FileError("The folder " + folder.string() + " cannot be created." +
                            (failed ? "\r\n" + failed.message() : std::string()),
                        folder.string());
    }
    const std::filesystem::path table = folder / kFederalTableFile;
    if (std::filesystem::exists(table, failed)) return;
    const std::optional<std::string> content = readFileIfExists(installedTable);
    if (!content) return;
    // Another program starting in the same folder may be copying it too.
    withFolderLock(folder, [&] {
        if (!std::filesystem::exists(table, failed)) writeFileAtomically(table, *content);
    });
}

}  // namespace corvanta
