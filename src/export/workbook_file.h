#pragma once

#include <xlsxwriter.h>

#include <filesystem>
#include <memory>
#include <string>

namespace corvanta {

struct WorkbookCloser {
    void operator()(lxw_workbook* wb) const {
        if (wb != nullptr) workbook_close(wb);
    }
};
// A workbook being written; closing it writes the file.
using WorkbookHandle = std::unique_ptr<lxw_workbook, WorkbookCloser>;

// Throws FileError: "Could not save the file "NAME": WHY.", naming `file`.
[[noreturn]] void failWorkbook(const std::filesystem::path& file, const std::string& why);

// Closes the workbook, writing it; throws FileError naming `file` when that fails.
void closeWorkbook(WorkbookHandle wb, const std::filesystem::path& file);

}  // namespace corvanta
