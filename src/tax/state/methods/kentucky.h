#pragma once

#include "tax/state/state_method_inputs.h"

namespace corvanta {

// Kentucky: cumulative brackets on gross pay less the standard deduction held in the amount
// cells, whose minimums are the brackets' upper limits.
StateFigures KentuckyMethod(const StateMethodInputs& in);

}  // namespace corvanta
