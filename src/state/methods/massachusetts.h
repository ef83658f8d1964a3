#pragma once

#include "core/payroll_context.h"

namespace corvanta {

// Massachusetts: a flat rate on gross pay less FICA (until the year's FICA passes 2000) and
// less the exemption amount.
void MassMethod(PayrollContext& ctx);

// The 5.3 percent rate on line 1 and the exemption amounts in both columns.
void MassSet(PayrollContext& ctx);

}  // namespace corvanta
