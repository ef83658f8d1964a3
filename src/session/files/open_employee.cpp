#include "session/files/open_employee.h"

#include "session/core/calculate.h"
#include "session/files/employee_files.h"
#include "session/files/new_employee.h"
#include "session/local/local_files.h"
#include "session/side/leave_record.h"
#include "session/side/overtime_sheet_ops.h"
#include "session/state/state_file.h"
#include "session/ytd/ledger_file.h"

namespace corvanta {

void OpenEmployee(PayrollContext& ctx, const std::string& baseName, const std::string& today) {
    // Her files are read over a new employee's values, never over the previous employee's.
    ctx.employee() = newEmployeeRecord(baseName);
    ctx.loaded = LoadedWindows{};
    ReadEmployeeFiles(ctx);
    LoadLedger(ctx);
    loadFederalTable(ctx);

    ctx.stateDialog = StateDialogModel{};
    ReadStateFile(ctx, ctx.employeeFile(".sta"));
    captureStateDialog(ctx.stateDialog, ctx.state);

    ctx.cityDialog = CityDialogModel{};
    ReadCityFile(ctx);
    captureCityDialog(ctx.cityDialog, ctx.city);

    ReadNonCityFile(ctx);
    GetVac(ctx);
    FillInOT(ctx);

    CalculatorWindow& w = ctx.window;
    w.caption = "  User:  " + baseName;
    w.lbUser = baseName;
    const EmployeeProfile& p = ctx.profile;
    w.deductionTags = {p.CreditLabel, p.BondLabel, p.DuesLabel, p.PensionLabel, p.MiscLabel};
    ClearAll(ctx, today);
}

}  // namespace corvanta
