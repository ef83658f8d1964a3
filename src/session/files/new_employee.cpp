#include "session/files/new_employee.h"

#include <filesystem>

#include "base/core/user_error.h"
#include "session/core/calculate.h"
#include "session/files/open_employee.h"
#include "session/side/leave_record.h"
#include "session/side/overtime_sheet_ops.h"
#include "session/state/state_dialog_commands.h"
#include "session/ytd/ledger_ops.h"
#include "tax/local/city_table.h"
#include "tax/local/non_city_table.h"
#include "tax/state/state_dialog_model.h"

namespace corvanta {

EmployeeRecord newEmployeeRecord(const std::string& baseName) {
    // The clear operations work on a context; a scratch one keeps them away from the open
    // employee.
    PayrollContext scratch;
    scratch.UserFileBase = baseName;
    ClearOvertimeSheet(scratch);
    scratch.overtimeWindow.loaded = false;
    clearVac(scratch);
    scratch.leaveDialog.loaded = false;
    ClearLedger(scratch);

    restoreNewYorkValues(scratch);
    captureStateDialog(scratch.stateDialog, scratch.state);
    scratch.loaded.stateDialog = true;

    scratch.city = cityDefaults();
    showCityTable(scratch.city, scratch.cityDialog);
    scratch.loaded.cityDialog = true;

    scratch.nonCity = nonCityDefaults();
    showNonCityTable(scratch.nonCity, scratch.nonCityDialog);
    return scratch.employee();
}

void startNewEmployee(PayrollContext& ctx, const std::string& baseName, const std::string& today) {
    ctx.employee() = newEmployeeRecord(baseName);
    showEmployeeInWindow(ctx);
    ClearAll(ctx, today);
}

void ReopenEmployee(PayrollContext& ctx, const std::string& today) {
    const std::string base = ctx.UserFileBase;
    std::error_code ec;
    if (base.empty() || !std::filesystem::exists(ctx.folder / (base + ".use"), ec)) return;
    PayrollContext next = ctx;
    try {
        OpenEmployee(next, base, today);
    } catch (const UserError&) {
        startNewEmployee(ctx, "", today);
        ctx.hold = EmployeeHold{};  // she is no longer open here
        throw;
    }
    ctx = std::move(next);
}

}  // namespace corvanta
