#pragma once

#include "state/state_method_inputs.h"

namespace corvanta {

struct PayrollContext;

// Alabama: gross pay less dependents, a sliding standard deduction, the personal exemption and
// federal withholding, on the 2/4/5 percent brackets.
StateFigures GetAlabama(const StateMethodInputs& in);

// Alabama reads no cells: every cell is locked at "0".
void AlabamaSet(PayrollContext& ctx);

}  // namespace corvanta
