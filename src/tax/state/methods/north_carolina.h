#pragma once

#include "tax/state/state_method_inputs.h"

namespace corvanta {

// North Carolina: the wage less its allowances times the rate of its line, less the line's
// amount. At an annual wage of 60,000 single or 50,000 married and above, an allowance is
// 76.92 bi-weekly instead of the column's value.
StateFigures NCMethod(const StateMethodInputs& in);

}  // namespace corvanta
