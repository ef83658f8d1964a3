#pragma once

#include "session/core/payroll_context.h"

namespace corvanta {

// The state dialog's commands, over the dialog model in the context. None of them changes
// StateSettings except where noted; the cells reach it at the next captureStateDialog.

// A click on a method box: the other method boxes and "NO STATE TAX" are cleared, the
// BIWEEKLY captions shown, the state's setter runs, "Spouse Works" and "Round State" follow
// the state, and the box toggles.
void selectStateMethod(PayrollContext& ctx, StateMethodId id);

// "New York": every box cleared and every cell back to the New York values, unlocked.
void restoreNewYorkValues(PayrollContext& ctx);

// "CLEAR ALL": unused minimums, zero amounts, rates and allowances.
void clearAllStateCells(PayrollContext& ctx);

// "NO STATE TAX" after its box became checked or unchecked. Checking sets NoStateTax in the
// record at once.
void clickNoStateTax(PayrollContext& ctx, bool checked);

// "Use Base" of SDI or SUI after its box changed.
void clickSdiUseBase(PayrollContext& ctx, bool checked);
void clickSuiUseBase(PayrollContext& ctx, bool checked);

// "Spouse Works" after its box changed: Missouri's deduction depends on it.
void clickSpouseWorks(PayrollContext& ctx, bool checked);

// "Get Default": the default state file into the record and the dialog. Returns whether it
// existed; when it does not, nothing changes.
bool getDefaultStateFile(PayrollContext& ctx);

// What the main window does after the dialog opened from the menu closes: the checked
// methods' setters again, and "Spouse Works" shown for Missouri or Utah.
void afterStateDialogClosed(PayrollContext& ctx);

}  // namespace corvanta
