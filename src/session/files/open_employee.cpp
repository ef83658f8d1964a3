#include "session/files/open_employee.h"

#include "session/core/calculate.h"
#include "session/files/employee_files.h"
#include "session/files/employee_loader.h"
#include "session/files/new_employee.h"

namespace corvanta {

void showEmployeeInWindow(PayrollContext& ctx) {
    CalculatorWindow& w = ctx.window;
    const EmployeeProfile& p = ctx.profile;
    w.deductionTags = {p.CreditLabel, p.BondLabel, p.DuesLabel, p.PensionLabel, p.MiscLabel};
    w.lbTableNotice = tableNotice(p);
}

void startWithDefaultGroup(PayrollContext& ctx) {
    try {
        ctx.takeEmployee(loadEmployee(ctx.folder, "", ctx.showMessage));
    } catch (const UserError& e) {
        ctx.showMessage({e.what(), e.title()});
        ctx.takeEmployee(newEmployee(""));
    }
    showEmployeeInWindow(ctx);
}

void OpenEmployee(PayrollContext& ctx, const std::string& baseName, const std::string& today) {
    // Read whole before anything changes, so a damaged file leaves the open employee as she was.
    OpenedEmployee opened = loadEmployee(ctx.folder, baseName, ctx.showMessage);
    ctx.takeEmployee(std::move(opened));
    loadFederalTable(ctx);
    ctx.window.caption = "  User:  " + baseName;
    ctx.window.lbUser = baseName;
    showEmployeeInWindow(ctx);
    ClearAll(ctx, today);
}

}  // namespace corvanta
