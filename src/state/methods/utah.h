#pragma once

#include "core/payroll_context.h"

namespace corvanta {

// Utah: the whole wage times the rate of its line, less the exemption credit, which the top
// line does not allow.
void UtahMethod(PayrollContext& ctx);

// Utah's bi-weekly table and the exemption credits for the selected pay frequency.
void UtahSet(PayrollContext& ctx);

}  // namespace corvanta
