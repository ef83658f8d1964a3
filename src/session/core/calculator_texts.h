#pragma once

#include "records/core/calculator_window.h"
#include "session/core/pay_period.h"

namespace corvanta {

// The calculator window's result texts, made from a calculation's figures in the window's
// formats ("#,###.00" for the lines, "$#,###.00" for the totals); the entry boxes whose value
// is 0 are emptied. The one place these texts are made.
void showFigures(CalculatorWindow& window, const PeriodFigures& figures);

// Every result text emptied, as before any calculation.
void clearFigures(CalculatorWindow& window);

}  // namespace corvanta
