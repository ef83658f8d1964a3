#pragma once

#include <array>
#include <string>
#include <vector>

#include "session/core/payroll_context.h"

namespace corvanta {

inline constexpr int kSheetColumns = 16;  // A to P

enum class CellStyle { Plain, BoldRed, BoldBlue, Blue };

// One cell by 1-based row and column; an empty text is a formatted blank.
struct SheetCell {
    int row = 0;
    int column = 0;
    std::string text;
    CellStyle style = CellStyle::Plain;
};

// The ledger window's texts laid out as the exported sheet, with the page texts around it.
struct LedgerSheet {
    std::vector<SheetCell> cells;
    std::array<double, kSheetColumns> widths{};  // in characters, from the longest text
    std::string leftFooter;                      // base name, four blanks, SSN
    std::string statusText;                      // "File: ..." with the maker's notice
};

// Rows 2 to 53 and totals in row 54 for weekly pay; rows 2 to 27 and row 28 bi-weekly; then
// the SDI, SUI, cafeteria and tips totals under their labels.
LedgerSheet ledgerSheet(const PayrollContext& ctx);

}  // namespace corvanta
