#pragma once

#include "state/state_method_inputs.h"

namespace corvanta {

struct PayrollContext;

// Arizona: a percentage, typed into line 1 of the status's table, of the period's federal
// withholding before the additional amount.
StateFigures ArizonaMethod(const StateMethodInputs& in);

// Locks the dialog down to the two line-1 percent cells, which keep the stored rates.
void ArizonaSet(PayrollContext& ctx);

}  // namespace corvanta
