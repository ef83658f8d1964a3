#pragma once

#include <filesystem>
#include <string>

#include "session/core/payroll_context.h"
#include "session/files/settings_file.h"

namespace corvanta {

// The 23 records of a state file: the settings and five profile values.
std::string formatStateFile(const StateSettings& settings, const EmployeeProfile& profile);

// Reads the records in order into the settings and the profile. Throws RecordFormatError part
// way, with the values read so far kept.
void parseStateFile(std::string_view content, const std::string& fileName, StateSettings& settings,
                    EmployeeProfile& profile);

// ReadStateFile: when the file exists, reads it and shows the values in the dialog; then the
// method, spouse and round boxes always follow the record. A damaged file throws UserError
// "You have corupted a file." naming the file that was read; the dialog is then not refreshed.
// Returns whether the file existed.
// The dialog's method boxes, Spouse Works and Round State as the settings hold them.
void showStateBoxes(const StateSettings& state, StateDialogModel& dialog);

bool ReadStateFile(PayrollContext& ctx, const std::filesystem::path& file);

// WriteStateFile: the current employee's ".sta", replaced whole. Throws UserError with
// "Check your numbers" / "No blanks" / "Only numbers" and the reason, naming the file.
void WriteStateFile(PayrollContext& ctx);

}  // namespace corvanta
