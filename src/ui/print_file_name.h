#pragma once

#include <QString>

#include "session/core/payroll_context.h"

namespace corvanta::ui {

// The PDF file the print dialog proposes, in the working folder and named after the employee,
// the printout and the pay period: "Jane Doe stub 2-8-2008.pdf".
QString proposedPdf(const PayrollContext& ctx, const QString& printout);

}  // namespace corvanta::ui
