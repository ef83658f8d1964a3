#pragma once

#include <string>

#include "records/print/print_column_model.h"
#include "session/core/payroll_context.h"
#include "session/print/stub_figures.h"

namespace corvanta {

// The printer offset dialog's boxes as typed: "+2", "-1", "0".
struct CheckOffsetTexts {
    std::string horizontal = "0";
    std::string vertical = "0";
};

// The offsets in print columns and lines. The horizontal text is rounded to a whole column;
// the vertical one gets 3 added before rounding (the blank lines above the date are v + 1). Throws
// UserError when a text is not a number or is too large to be a column.
struct CheckShift {
    int h = 0;
    int v = 3;
};
CheckShift checkShift(const CheckOffsetTexts& texts);

// PrintCheck: empty entry boxes become "0", then the check face and its two stubs are printed
// as the check window shows them, shifted by the offsets. The check window is loaded first
// if it never was. Throws before anything is printed when an offset is not a number or an
// amount overflows. The ledger is not reloaded: the caller decides (the window loads it when
// the year-to-date window is first created).
void PrintCheck(PayrollContext& ctx, PrintColumnModel& out, const CheckOffsetTexts& offsets);

}  // namespace corvanta
