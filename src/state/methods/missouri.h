#pragma once

#include "state/state_method_inputs.h"

namespace corvanta {

struct PayrollContext;

// Missouri: wage less federal withholding (up to a cap by status and "Spouse Works"), the
// standard deduction and the W-4 allowance, on Missouri's schedule, in whole dollars.
StateFigures MissouriMethod(const StateMethodInputs& in);

// Missouri's standard deduction (by status, spouse and frequency) and W-4 allowances; then
// recomputes the withholding once.
void MissouriSet(PayrollContext& ctx);

}  // namespace corvanta
