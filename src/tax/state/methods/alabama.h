#pragma once

#include "tax/state/state_method_inputs.h"

namespace corvanta {

// Alabama: gross pay less dependents, a sliding standard deduction, the personal exemption and
// federal withholding, on the 2/4/5 percent brackets.
StateFigures GetAlabama(const StateMethodInputs& in);

}  // namespace corvanta
