#pragma once

#include <string>

#include "core/payroll_context.h"

namespace corvanta {

// The values a new employee starts with: the profile's defaults, the New York state and city
// tables (their dialogs showing them), the default non-city table, an empty ledger, leave
// record and overtime sheet, and no calculation yet. Open reads the employee's files over
// these, so a file she does not have leaves its new-employee value.
EmployeeRecord newEmployeeRecord(const std::string& baseName);

}  // namespace corvanta
