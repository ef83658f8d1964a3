#pragma once

#include "tax/state/state_method_inputs.h"

namespace corvanta {

// Arizona: a percentage, typed into line 1 of the status's table, of the period's federal
// withholding before the additional amount.
StateFigures ArizonaMethod(const StateMethodInputs& in);

}  // namespace corvanta
