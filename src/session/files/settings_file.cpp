#include "session/files/settings_file.h"

#include "base/core/dialog_text.h"
#include "base/files/file_io.h"
#include "session/files/employee_hold.h"

namespace corvanta {

std::string corruptedFileMessage(const std::string& fileName) {
    return "You have corupted a file.\r\nFind file,\r\n" + fileName + "\r\nand delete it.";
}

void writeSettingsFile(PayrollContext& ctx, const std::string& extension,
                       const std::string& content) {
    claimForWriting(ctx);
    try {
        ctx.writeEmployeeFile(extension, content);
    } catch (const FileError& e) {
        throw FileError(std::string(kCheckNumbersMessage) + "\r\n\r\n" + e.what(), e.fileName());
    }
}

}  // namespace corvanta
