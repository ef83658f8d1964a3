#pragma once

#include <string>

#include "session/core/payroll_context.h"

namespace corvanta {

// The values a new employee starts with: the profile's defaults, the New York state and city
// tables (their dialogs showing them), the default non-city table, an empty ledger, leave
// record and overtime sheet, and no calculation yet. Open reads the employee's files over
// these, so a file she does not have leaves its new-employee value.
EmployeeRecord newEmployeeRecord(const std::string& baseName);

// Makes the context's employee a new one of that name, as New does: her record replaced
// whole, the window's deduction captions hers, the entries and results cleared.
void startNewEmployee(PayrollContext& ctx, const std::string& baseName, const std::string& today);

// Reads the open employee again from her files after they were replaced under the window (a
// restore): the record in memory would otherwise be saved over them by the next
// calculation. An employee without a ".use" file keeps her record. One whose files cannot be
// read becomes a new employee with no name, and the error is thrown.
void ReopenEmployee(PayrollContext& ctx, const std::string& today);

}  // namespace corvanta
