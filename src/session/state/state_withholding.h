#pragma once

#include "session/core/payroll_context.h"
#include "tax/state/state_lines.h"
#include "tax/state/state_method_inputs.h"

namespace corvanta {

// The generic bracket table: the bi-weekly table, halved for weekly pay (rates are not),
// less the California allowance.
void StateTableMethod(PayrollContext& ctx);

// What a built-in method reads of the calculation in the context.
StateMethodInputs stateMethodInputs(const PayrollContext& ctx);

// A method's figures into the calculation; a method that withholds whole dollars checks
// "Round State" in the dialog and the record.
void applyStateFigures(PayrollContext& ctx, const StateFigures& figures);

// One built-in method on the context's inputs, its figures applied.
void runStateMethod(PayrollContext& ctx, StateMethodId id);

// Step 19 of the calculation: every checked built-in method in order, or the table.
void runStateWithholding(PayrollContext& ctx);

// The dialog's load sequence: a fresh dialog, the state file, the employee files, the setters
// of the checked methods, then the cells captured into the settings.
void loadStateDialog(PayrollContext& ctx);

// The setters of the checked methods, in the load order.
void applyCheckedSetters(PayrollContext& ctx);

}  // namespace corvanta
