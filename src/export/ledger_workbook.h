#pragma once

#include <filesystem>

#include "export/ledger_sheet.h"
#include "session/core/payroll_context.h"

namespace corvanta {

// The workbook of the ledger window's texts, set up to print on one landscape page. Texts
// that are numbers become number cells, as a spreadsheet takes typed numbers. Written
// atomically; throws FileError naming the file, which is then unchanged.
void ToExcel(const PayrollContext& ctx, const std::filesystem::path& file);

// Writes a laid-out sheet to a path as it is (no temporary file). Throws FileError naming
// `file`, the name the operator knows.
void writeLedgerWorkbook(const LedgerSheet& sheet, const std::filesystem::path& path,
                         const std::filesystem::path& file);

}  // namespace corvanta
