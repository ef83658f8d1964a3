#pragma once

#include "core/payroll_context.h"

namespace corvanta {

// Oregon: gross pay less the federal withholding (up to a cap) and a standard deduction, on
// a three-line table; three or more exemptions use the married table.
void OregonMethod(PayrollContext& ctx);

// Oregon's table and credits, written for the pay frequency selected now.
void OregonSet(PayrollContext& ctx);

}  // namespace corvanta
