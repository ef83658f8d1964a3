#pragma once

#include "core/payroll_context.h"

namespace corvanta {

// Alabama: gross pay less dependents, a sliding standard deduction, the personal exemption and
// federal withholding, on the 2/4/5 percent brackets.
void GetAlabama(PayrollContext& ctx);

// Alabama reads no cells: every cell is locked at "0".
void AlabamaSet(PayrollContext& ctx);

}  // namespace corvanta
