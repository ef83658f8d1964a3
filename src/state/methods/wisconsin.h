#pragma once

#include "core/payroll_context.h"

namespace corvanta {

// Wisconsin: the bracket table on the wage less the California allowance cell, less the
// exemption credit.
void WisconsinMethod(PayrollContext& ctx);

// Wisconsin's bi-weekly tables and the 0.85 credit per exemption.
void WisconsinSet(PayrollContext& ctx);

}  // namespace corvanta
