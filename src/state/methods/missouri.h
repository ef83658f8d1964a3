#pragma once

#include "core/payroll_context.h"

namespace corvanta {

// Missouri: wage less federal withholding (up to a cap), the standard deduction and the W-4
// allowance, on Missouri's schedule; checks "Round State".
void MissouriMethod(PayrollContext& ctx);

// Missouri's standard deduction (by status, spouse and frequency) and W-4 allowances; then
// recomputes the withholding once.
void MissouriSet(PayrollContext& ctx);

}  // namespace corvanta
