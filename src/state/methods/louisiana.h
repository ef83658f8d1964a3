#pragma once

#include "core/payroll_context.h"

namespace corvanta {

// Louisiana: two rates on gross pay less the credits for personal exemptions and dependents,
// whose counts are typed into the first cells of the two allowance columns.
void LouisianaMethod(PayrollContext& ctx);

// Leaves only the personal and dependent counts editable; counts out of range become 0.
void LouisianaSet(PayrollContext& ctx);

}  // namespace corvanta
