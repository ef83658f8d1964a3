#pragma once

#include <QString>

#include "session/core/payroll_context.h"

namespace corvanta::app {

// Fills the calculator with a sample period, grabs the main window, the state dialog and the
// employee dialog into PNG files in `dir`. Returns the process exit code.
int takeScreenshots(PayrollContext& ctx, const QString& dir);

}  // namespace corvanta::app
