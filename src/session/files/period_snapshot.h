#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "session/core/payroll_context.h"

namespace corvanta {

// The snapshot file name for a pay period date: "/" becomes "_", then two blanks, the base
// name and ".prv". Characters a file name cannot hold become "-".
std::string periodSnapshotName(std::string_view dateText, const std::string& baseName);

// "Save This Pay Period": writes the eight entry boxes under the date's name. Blank boxes
// become "0". A box that is not a number throws UserError naming it, and nothing is written.
// Returns the path written.
std::filesystem::path SavePeriodSnapshot(PayrollContext& ctx);

// "Get Pay Period" after a file was chosen: the boxes take its eight numbers (when it
// exists), the date box the date of its name, and the period is calculated. The chosen
// file's folder becomes the current folder. A name shorter than eight characters ends it
// before the date and the calculation. A damaged file throws FileError naming it; the boxes
// are then unchanged.
void LoadPeriodSnapshot(PayrollContext& ctx, const std::filesystem::path& chosen);

}  // namespace corvanta
