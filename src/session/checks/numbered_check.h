#pragma once

#include <functional>

#include "records/checks/issued_check.h"
#include "session/checks/check_book.h"
#include "session/core/payroll_context.h"

namespace corvanta {

// The check the check window shows, as the register records it: its date, her base name, the
// payee without the protecting stars, and the amount as the amount box shows it (the net pay
// when the box holds no amount).
CheckToPrint checkToPrint(const PayrollContext& ctx);

// Takes the number of the check the context shows and records it in one write of the
// register: the next number, or the check's own number when it is a reprint. The number is
// set in the check window for the printout. Throws FileError (the register or the lock) with
// nothing taken.
IssuedCheck takeCheckNumber(PayrollContext& ctx);

// After a printout that failed: a new number it took is marked void (the paper may be
// spoiled, and a number is never printed twice); a reprint stays as it was.
void releaseCheckNumber(PayrollContext& ctx, const IssuedCheck& taken);

// Takes the number, then prints through `print`; a failed printout releases the number and
// the failure goes on to the caller.
IssuedCheck printNumberedCheck(PayrollContext& ctx, const std::function<void()>& print);

}  // namespace corvanta
