#pragma once

#include "tax/state/state_method_inputs.h"

namespace corvanta {

// Missouri: wage less federal withholding (up to a cap by status and "Spouse Works"), the
// standard deduction and the W-4 allowance, on Missouri's schedule, in whole dollars.
StateFigures MissouriMethod(const StateMethodInputs& in);

}  // namespace corvanta
