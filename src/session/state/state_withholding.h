#pragma once

#include "session/core/payroll_context.h"
#include "tax/state/state_lines.h"
#include "tax/state/state_method_inputs.h"

namespace corvanta {

// What a built-in method reads of the calculation in the context.
StateMethodInputs stateMethodInputs(const PayrollContext& ctx);
// The same for a calculation on values: the employee, the figures so far and the pay date.
StateMethodInputs stateMethodInputs(const EmployeeRecord& employee, const PayResult& result,
                                    const std::optional<std::chrono::year_month_day>& payDate);

// A method's figures into the calculation; a method that withholds whole dollars checks
// "Round State" in the dialog and the record.
void applyStateFigures(PayrollContext& ctx, const StateFigures& figures);

// One built-in method on the context's inputs, its figures applied.
void runStateMethod(PayrollContext& ctx, StateMethodId id);

// The dialog's load sequence: a fresh dialog, the state file, the employee files, the setters
// of the checked methods, then the cells captured into the settings.
void loadStateDialog(PayrollContext& ctx);

// The same readying from the record in memory, for the calculation: the settings shown in
// the dialog's cells, the checked methods' setters applied for the pay frequency, the cells
// taken back. Reads no file.
void prepareStateDialog(PayrollContext& ctx);

// The setters of the checked methods, in the load order.
void applyCheckedSetters(PayrollContext& ctx);

}  // namespace corvanta
