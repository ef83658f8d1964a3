#pragma once

#include "tax/state/state_method_inputs.h"

namespace corvanta {

// Iowa: wage less federal withholding and the standard deduction, on Iowa's schedule, less
// the exemption credit.
StateFigures IowaMethod(const StateMethodInputs& in);

}  // namespace corvanta
