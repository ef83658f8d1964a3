#pragma once

#include "session/core/payroll_context.h"

namespace corvanta {

// The state dialog's "SAVE": the cells into the settings, the state file, then the employee
// files (".and" carries six of the settings); the dialog closes. A cell that is not a number
// throws UserError "You have entered a NON numerial." with nothing written and the dialog
// left open.
void saveStateDialog(PayrollContext& ctx);

// "Make Default": saves the current employee as "SAVE" does, then writes the whole default
// group under the empty base name (employee files, leave record, ".sta", ".cti", ".nci") and
// closes the secondary windows. The current employee stays the one that was open.
void makeStateDefault(PayrollContext& ctx);

}  // namespace corvanta
