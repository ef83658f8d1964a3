#pragma once

#include "core/payroll_context.h"

namespace corvanta {

// Iowa: wage less federal withholding and the standard deduction, on Iowa's schedule, less
// the exemption credit. Reads the exemption count from the profile.
void IowaMethod(PayrollContext& ctx);

// Iowa's standard deductions and credits for the selected frequency; checks "Round State"
// and recomputes the withholding once.
void IowaSet(PayrollContext& ctx);

}  // namespace corvanta
