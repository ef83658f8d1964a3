#pragma once

#include "state/state_method_inputs.h"

namespace corvanta {

struct PayrollContext;

// Iowa: wage less federal withholding and the standard deduction, on Iowa's schedule, less
// the exemption credit.
StateFigures IowaMethod(const StateMethodInputs& in);

// Iowa's standard deductions and credits for the selected frequency; checks "Round State"
// and recomputes the withholding once.
void IowaSet(PayrollContext& ctx);

}  // namespace corvanta
