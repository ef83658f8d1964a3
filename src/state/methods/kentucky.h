#pragma once

#include "core/payroll_context.h"

namespace corvanta {

// Kentucky: cumulative brackets on gross pay less the standard deduction held in the amount
// cells, whose minimums are the brackets' upper limits.
void KentuckyMethod(PayrollContext& ctx);

// Kentucky's brackets and credits, written for the pay frequency selected now.
void KentuckySet(PayrollContext& ctx);

}  // namespace corvanta
