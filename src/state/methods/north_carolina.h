#pragma once

#include "state/state_method_inputs.h"

namespace corvanta {

struct PayrollContext;

// North Carolina: the wage less its allowances times the rate of its line, less the line's
// amount.
StateFigures NCMethod(const StateMethodInputs& in);

// North Carolina's bi-weekly tables and allowances.
void NCSet(PayrollContext& ctx);

}  // namespace corvanta
