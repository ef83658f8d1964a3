#pragma once

#include "tax/state/state_method_inputs.h"

namespace corvanta {

// Wisconsin: the bracket table on the wage less the California allowance cell, less the
// exemption credit.
StateFigures WisconsinMethod(const StateMethodInputs& in);

}  // namespace corvanta
