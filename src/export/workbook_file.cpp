#include "export/workbook_file.h"

#include "base/core/user_error.h"

namespace corvanta {

void failWorkbook(const std::filesystem::path& file, const std::string& why) {
    const std::string name = file.filename().string();
    throw FileError("Could not save the file \"" + name + "\": " + why + ".", name);
}

void closeWorkbook(WorkbookHandle wb, const std::filesystem::path& file) {
    const lxw_error status = workbook_close(wb.release());
    if (status != LXW_NO_ERROR) failWorkbook(file, lxw_strerror(status));
}

}  // namespace corvanta
