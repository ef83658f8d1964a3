#pragma once

#include "state/state_method_inputs.h"

namespace corvanta {

struct PayrollContext;

// Louisiana: two rates on gross pay less the credits for personal exemptions and dependents,
// whose counts are typed into the first cells of the two allowance columns.
StateFigures LouisianaMethod(const StateMethodInputs& in);

// Leaves only the personal and dependent counts editable; counts out of range become 0.
void LouisianaSet(PayrollContext& ctx);

}  // namespace corvanta
