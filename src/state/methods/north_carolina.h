#pragma once

#include "core/payroll_context.h"

namespace corvanta {

// North Carolina: the wage less its allowances times the rate of its line, less the line's
// amount.
void NCMethod(PayrollContext& ctx);

// North Carolina's bi-weekly tables and allowances.
void NCSet(PayrollContext& ctx);

}  // namespace corvanta
