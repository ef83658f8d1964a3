#pragma once

#include "core/payroll_context.h"

namespace corvanta {

// Arizona: a percentage, typed into line 1 of the status's table, of the period's federal
// withholding before the additional amount.
void ArizonaMethod(PayrollContext& ctx);

// Locks the dialog down to the two line-1 percent cells, which keep the stored rates.
void ArizonaSet(PayrollContext& ctx);

}  // namespace corvanta
