#pragma once

#include "records/core/employee_profile.h"

namespace corvanta {

// Asked before a stub or check goes out for an employee whose name was never filled in.
inline constexpr const char* kNameNotFilledQuestion =
    "The employee's name is not filled in. Print anyway?";

// Whether the name is still the new-employee placeholder (or blank), so a check would be
// made out to "Employee's Name".
bool employeeNameMissing(const EmployeeProfile& profile);

}  // namespace corvanta
