#pragma once

#include "core/payroll_context.h"

namespace corvanta {

// The generic bracket table: the bi-weekly table, halved for weekly pay (rates are not),
// less the California allowance.
void StateTableMethod(PayrollContext& ctx);

// Applies one line selection to a wage: the last line k with m(k) <= wage < m(k+1) (line 10
// unbounded) gives (wage - m(k)) x p(k) + a(k). Returns false when no line applies.
bool applyStateLines(const std::array<BracketLine, kTableLines>& table, float wage, bool halve,
                     float& withholding);

// Step 19 of the calculation: every checked built-in method in order, or the table.
void runStateWithholding(PayrollContext& ctx);

// The dialog's load sequence: a fresh dialog, the state file, the employee files, the setters
// of the checked methods, then the cells captured into the settings.
void loadStateDialog(PayrollContext& ctx);

// The setters of the checked methods, in the load order.
void applyCheckedSetters(PayrollContext& ctx);

}  // namespace corvanta
