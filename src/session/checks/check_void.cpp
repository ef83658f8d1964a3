#include "session/checks/check_void.h"

#include "base/core/user_error.h"
#include "session/checks/check_book.h"
#include "session/files/employee_hold.h"
#include "session/files/employee_loader.h"
#include "session/ytd/ledger_file.h"
#include "session/ytd/ledger_ops.h"

namespace corvanta {

int zeroPaidRow(PayrollContext& ctx, const IssuedCheck& check) {
    const std::optional<int> row = rowPostedFor(ctx, check.week);
    if (!row) {
        throw UserError("No row of " + check.employee + "'s ledger is posted for the week " +
                        check.week + ".");
    }
    claimForWriting(ctx);
    // A ledger that cannot be saved is left in memory as it is in its file.
    const YtdLedger before = ctx.ledger;
    try {
        DeleteRow(ctx, *row);
        Update(ctx);
        SaveAnnual(ctx);
    } catch (const UserError&) {
        ctx.ledger = before;
        throw;
    }
    return *row;
}

int zeroPaidRow(const std::filesystem::path& folder, const IssuedCheck& check,
                const MessageHandler& showMessage) {
    PayrollContext ctx;
    ctx.folder = folder;
    ctx.showMessage = showMessage;
    // Held before her files are read, so nobody changes them between the read and the write.
    ctx.hold = holdEmployee(folder, check.employee, showMessage);
    if (ctx.hold.readOnly()) throw UserError(ctx.hold.inUse);
    ctx.takeEmployee(loadEmployee(folder, check.employee, showMessage));
    return zeroPaidRow(ctx, check);
}

VoidedCheck voidCheck(const std::filesystem::path& folder, std::int64_t number, bool durable,
                      const std::function<int(const IssuedCheck&)>& zeroRow) {
    VoidedCheck result;
    {
        CheckBook book(folder, durable);
        result.check = book.markVoid(number);
        book.save();
    }
    if (!zeroRow) return result;
    try {
        result.zeroedRow = zeroRow(result.check);
    } catch (const UserError& e) {
        result.ledgerFailure = e.what();
    }
    return result;
}

}  // namespace corvanta
