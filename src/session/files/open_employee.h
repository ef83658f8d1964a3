#pragma once

#include <string>

#include "session/core/payroll_context.h"

namespace corvanta {

// Reads an employee as the Open command does, after the name was chosen: a new employee's
// values (the previous employee's record is replaced whole), then the employee files,
// the year-to-date ledger, the federal table, the state file (blank cells filled and
// captured), the city table (likewise), the non-city table and the leave record; then the
// overtime sheet is filled and the window shows the employee and is cleared.
// Throws UserError at the first file that cannot be read; the steps before stay done.
void OpenEmployee(PayrollContext& ctx, const std::string& baseName, const std::string& today);

}  // namespace corvanta
