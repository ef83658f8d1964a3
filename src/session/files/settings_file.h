#pragma once

#include <string>

#include "session/core/payroll_context.h"

namespace corvanta {

// "You have corupted a file." naming the file, with advice to delete it.
std::string corruptedFileMessage(const std::string& fileName);

// Writes one of the employee's settings files (".sta", ".cti", ".nci"). A failure throws
// FileError with the dialogs' "Check your numbers" lines and the reason, naming the file.
void writeSettingsFile(PayrollContext& ctx, const std::string& extension,
                       const std::string& content);

}  // namespace corvanta
