#pragma once

#include "state/state_method_inputs.h"

namespace corvanta {

struct PayrollContext;

// Massachusetts: a flat rate on gross pay less FICA (until the year's FICA passes 2000) and
// less the exemption amount.
StateFigures MassMethod(const StateMethodInputs& in);

// The 5.3 percent rate on line 1 and the exemption amounts in both columns.
void MassSet(PayrollContext& ctx);

}  // namespace corvanta
