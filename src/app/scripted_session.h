#pragma once

#include <QString>

#include "session/core/payroll_context.h"

namespace corvanta::app {

// Works through every window as an operator would: a new employee, a calculation, every
// settings window, the ledger (post, add, export, print, save), the check with its offsets,
// the leave dialog, the overtime sheet, the stub and the window picture, then Save and Exit.
// Printouts go to PDF files and the workbook to an .xlsx in `dir`, which must hold the
// federal table. Every question is answered Yes/OK. Returns 0 when every step ran and wrote
// what it should; the steps are reported on standard output.
int runScriptedSession(PayrollContext& ctx, const QString& dir);

}  // namespace corvanta::app
