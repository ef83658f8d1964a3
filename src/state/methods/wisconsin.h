#pragma once

#include "state/state_method_inputs.h"

namespace corvanta {

struct PayrollContext;

// Wisconsin: the bracket table on the wage less the California allowance cell, less the
// exemption credit.
StateFigures WisconsinMethod(const StateMethodInputs& in);

// Wisconsin's bi-weekly tables and the 0.85 credit per exemption.
void WisconsinSet(PayrollContext& ctx);

}  // namespace corvanta
