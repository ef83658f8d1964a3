#pragma once

#include "session/core/payroll_context.h"

namespace corvanta {

// ReadEmployeeFiles in its two steps, for a loader that reads the ledger of the frequency as
// stored in between. First the files as they are: ".use", ".and", ".cfe" and the overtime rows
// of the frequency the ".use" holds (".ovb" unless weekly, so a group stored with neither
// frequency takes the bi-weekly rows).
void readStoredEmployeeFiles(PayrollContext& ctx);

// Then the profile as the employee dialog shows it (neither frequency becomes weekly) and the
// window's table notice.
void showEmployeeFileSet(PayrollContext& ctx);

}  // namespace corvanta
