#include "session/checks/numbered_check.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "base/core/money.h"
#include "base/core/numeric_text.h"
#include "base/core/user_error.h"

namespace corvanta {
namespace {

std::string withoutStars(std::string text) {
    text.erase(std::remove(text.begin(), text.end(), '*'), text.end());
    const auto last = text.find_last_not_of(' ');
    return last == std::string::npos ? std::string() : text.substr(0, last + 1);
}

std::int64_t shownCents(const PayrollContext& ctx) {
    std::string amount = withoutStars(ctx.check.txtCheckAmt);
    amount.erase(std::remove_if(amount.begin(), amount.end(),
                                [](char c) { return c == ',' || c == '$' || c == ' '; }),
                 amount.end());
    if (const auto typed = strictNumber(amount); typed && std::fabs(*typed) < 1e12) {
        return std::llround(*typed * 100);
    }
    const float net = std::max(ctx.result.NetPay, 0.0f);
    return std::llround(Currency::fromShownSingle(net).toDouble() * 100);
}

}  // namespace

CheckToPrint checkToPrint(const PayrollContext& ctx) {
    const CheckWindow& c = ctx.check;
    return CheckToPrint{c.txtCheckDate, ctx.UserFileBase, withoutStars(c.txtPayTo), shownCents(ctx),
                        ctx.window.txtWeek};
}

IssuedCheck takeCheckNumber(PayrollContext& ctx) {
    CheckBook book(ctx.folder, ctx.durableWrites);
    IssuedCheck issued = book.issue(checkToPrint(ctx));
    book.save();
    ctx.check.checkNumber = std::to_string(issued.number);
    return issued;
}

void releaseCheckNumber(PayrollContext& ctx, const IssuedCheck& taken) {
    ctx.check.checkNumber.clear();
    if (taken.state != CheckState::Issued) return;
    CheckBook book(ctx.folder, ctx.durableWrites);
    book.markVoid(taken.number);
    book.save();
}

IssuedCheck printNumberedCheck(PayrollContext& ctx, const std::function<void()>& print) {
    IssuedCheck taken = takeCheckNumber(ctx);
    try {
        print();
    } catch (const UserError&) {
        try {
            releaseCheckNumber(ctx, taken);
        } catch (const UserError&) {
            // The printout's failure is the one to report; the number stays taken.
        }
        throw;
    }
    return taken;
}

}  // namespace corvanta
