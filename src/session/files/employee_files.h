#pragma once

#include <string>

#include "session/core/payroll_context.h"

namespace corvanta {

// True when the current employee's file with this extension can be opened for reading.
bool EmployeeFileExists(const PayrollContext& ctx, const std::string& extension);

// Reads ".use", ".and", ".cfe" and the overtime rows of the current frequency, each when it
// exists. A damaged file throws RecordFormatError naming it; what was read before stays.
void ReadEmployeeFiles(PayrollContext& ctx);

// The whole employee file set (long called SaveOT, after the overtime rows it also writes):
// ".use", ".and", ".cfe" and ".ovw" (weekly) or ".ovb" (bi-weekly), each replaced whole. Throws
// FileError naming the file that could not be written; the files written before it stay written,
// the others keep their previous content.
void saveEmployeeFileSet(PayrollContext& ctx);

// The file texts, as saveEmployeeFileSet writes them.
std::string formatUseFile(const PayrollContext& ctx);
std::string formatAndFile(const PayrollContext& ctx);
std::string formatCafeteriaFile(const EmployeeProfile& profile);
std::string formatOvertimeRows(const OvertimeSheet& sheet, int rows);

// Rows of the overtime sheet and the ledger for the pay frequency.
int rowsInUse(const EmployeeProfile& profile);

// "Weekly Tax Tables" or "Bi-Weekly Tax Tables".
std::string tableNotice(const EmployeeProfile& profile);

}  // namespace corvanta
