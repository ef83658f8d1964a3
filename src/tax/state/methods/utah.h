#pragma once

#include <string_view>

#include "tax/state/state_method_inputs.h"

namespace corvanta {

// Whether wages of a pay period dated so are withheld by the flat-rate formula Utah uses
// from 2/1/2008: on or after that day, or when the date cannot be read.
bool utahFlatRateApplies(const std::optional<std::chrono::year_month_day>& payDate);

// Utah, on W = TaxableGross - StateCafeteriaReduction. From 2/1/2008: 5% of W less a credit
// of 125 per allowance plus 250 single or 375 married a year, the credit reduced by 1.3% of
// the wage above 12,000 single or 18,000 married a year, per period, neither below 0. Before
// that day: W times the rate of its line, less the exemption credit, which the top line does
// not allow.
StateFigures UtahMethod(const StateMethodInputs& in);

}  // namespace corvanta
