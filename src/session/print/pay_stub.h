#pragma once

#include <string>

#include "records/print/print_column_model.h"
#include "session/core/payroll_context.h"
#include "session/print/stub_figures.h"

namespace corvanta {

// PrintText: reloads the employee's files, ledger and leave record (a missing file keeps the
// values in memory), sets empty entry boxes to "0", reads the heading and prints the pay stub.
// Throws (UserError or FileError) before anything is printed when a file is damaged or an
// amount overflows.
void PrintText(PayrollContext& ctx, PrintColumnModel& out, const std::string& today);

// The stub page itself from figures already derived.
void writePayStub(const PayrollContext& ctx, const StubFigures& figures, PrintColumnModel& out,
                  const std::string& today);

}  // namespace corvanta
