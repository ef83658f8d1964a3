#pragma once

#include "session/core/payroll_context.h"
#include "tax/core/fica.h"

namespace corvanta {

// The calculation's steps over the pure Social Security, Medicare and insurance figures.

// Social security on gross less cafeteria, up to the wage base with the year-to-date gross.
void GetSocSec(PayrollContext& ctx);

// Medicare on gross less cafeteria, no wage base.
void GetMedicare(PayrollContext& ctx);

// SDI and SUI: a rate up to an annual wage base, or a flat amount per period.
void GetSDI_SUI(PayrollContext& ctx);

}  // namespace corvanta
