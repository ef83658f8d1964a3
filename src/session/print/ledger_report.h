#pragma once

#include <string>

#include "records/print/print_column_model.h"
#include "session/core/payroll_context.h"

namespace corvanta {

// The ledger report's form of a row value: the shortest decimal text between a leading blank
// (or "-") and a trailing blank; zero is " 0 ", a half " .5 ".
std::string reportNumber(float value);

// PrintYr: the rows in use as last copied from the grid, the totals and the heading in
// memory, on a landscape page.
void PrintYr(const PayrollContext& ctx, PrintColumnModel& out, const std::string& today);

}  // namespace corvanta
