#pragma once

#include "tax/state/state_method_inputs.h"

namespace corvanta {

// Louisiana: two rates on gross pay less the credits for personal exemptions and dependents,
// whose counts are typed into the first cells of the two allowance columns.
StateFigures LouisianaMethod(const StateMethodInputs& in);

}  // namespace corvanta
