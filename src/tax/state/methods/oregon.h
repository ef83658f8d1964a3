#pragma once

#include "tax/state/state_method_inputs.h"

namespace corvanta {

// Oregon: gross pay less the federal withholding (up to a cap) and a standard deduction, on
// a three-line table, each line (W - m) x p + a less the credit; three or more exemptions use
// the married table.
StateFigures OregonMethod(const StateMethodInputs& in);

}  // namespace corvanta
