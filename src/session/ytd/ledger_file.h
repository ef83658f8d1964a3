#pragma once

#include <string>
#include <string_view>

#include "session/core/payroll_context.h"

namespace corvanta {

// ".yrw" for weekly pay, ".yrb" for bi-weekly pay.
std::string ledgerExtension(const EmployeeProfile& profile);

// The ledger file: four lines per row in use, taken from the grid (SDI, SUI and cafeteria
// from the rows), then three totals lines.
std::string formatLedgerFile(const YtdLedger& ledger, int rows);

// Reads a ledger file over a copy of `ledger` and returns it; the caller's ledger is never
// half-replaced. Throws RecordFormatError naming the file and line of the first bad value.
YtdLedger parseLedgerFile(std::string_view content, const std::string& fileName, int rows,
                          YtdLedger ledger);

// Recomputes the totals from memory, reads the file of the current frequency when it exists
// and shows the rows. A damaged file throws FileError naming it; the ledger in memory and
// the file stay as they were.
void LoadLedger(PayrollContext& ctx);

// AddAnnual, then writes the file from the grid and the totals. Throws FileError naming the
// file when it cannot be written or the totals cannot be added up; the previous file then
// stays intact.
void SaveAnnual(PayrollContext& ctx);

}  // namespace corvanta
