#pragma once

#include <string>

#include "session/core/payroll_context.h"

namespace corvanta {

// Reads an employee as the Open command does, after the name was chosen: her record through
// the one loader, swapped in whole, then the federal table; the window shows her and is
// cleared. Throws UserError at the first file that cannot be read; the employee open before
// stays open then.
void OpenEmployee(PayrollContext& ctx, const std::string& baseName, const std::string& today);

// The program's start in its folder: the default group read as Open reads an employee, so a
// save before any Open writes what the folder holds, never values nobody loaded. A default
// group that cannot be read is reported and the new-employee values stand.
void startWithDefaultGroup(PayrollContext& ctx);

// The window's texts that follow the employee rather than a calculation: the deduction
// captions and the tax-table notice of her pay frequency.
void showEmployeeInWindow(PayrollContext& ctx);

}  // namespace corvanta
