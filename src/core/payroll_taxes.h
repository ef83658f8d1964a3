#pragma once

#include "core/payroll_context.h"

namespace corvanta {

// The 2008 Social Security wage base (the 2007 figure, 97500, would stop withholding early).
inline constexpr double SsWageBase = 102000.0;
inline constexpr double kSocSecRate = 0.062;
inline constexpr double kMedicareRate = 0.0145;

// Social security on gross less cafeteria, up to the wage base with the year-to-date gross.
void GetSocSec(PayrollContext& ctx);

// Medicare on gross less cafeteria, no wage base.
void GetMedicare(PayrollContext& ctx);

// SDI and SUI: a rate up to an annual wage base, or a flat amount per period.
void GetSDI_SUI(PayrollContext& ctx);

}  // namespace corvanta
