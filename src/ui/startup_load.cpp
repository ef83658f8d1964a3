#include "ui/startup_load.h"

#include "base/core/user_error.h"
#include "session/core/calculate.h"
#include "session/files/open_employee.h"

namespace corvanta::ui {

void loadCalculatorWindow(PayrollContext& ctx, const std::string& today) {
    try {
        loadFederalTable(ctx);
    } catch (const UserError& e) {
        ctx.showMessage({e.what(), e.title()});
    }
    ClearAll(ctx, today);
    ctx.DefaultRate = 7.5f;
    normaliseProfile(ctx.profile);
    if (ctx.profile.HourlyRate == 0) ctx.profile.HourlyRate = ctx.DefaultRate;
    showEmployeeInWindow(ctx);
}

}  // namespace corvanta::ui
