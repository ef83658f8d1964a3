#pragma once

#include "state/state_method_inputs.h"

namespace corvanta {

struct PayrollContext;

// Utah: the whole wage times the rate of its line, less the exemption credit, which the top
// line does not allow.
StateFigures UtahMethod(const StateMethodInputs& in);

// Utah's bi-weekly table and the exemption credits for the selected pay frequency.
void UtahSet(PayrollContext& ctx);

}  // namespace corvanta
