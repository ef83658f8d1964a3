#include "session/state/state_withholding.h"

#include "session/files/employee_files.h"
#include "session/state/state_file.h"
#include "session/state/state_methods.h"
#include "tax/state/pay_date.h"

namespace corvanta {

StateMethodInputs stateMethodInputs(const PayrollContext& ctx) {
    return stateMethodInputs(ctx.employee(), ctx.result, readPayDate(ctx.window.txtWeek));
}

StateMethodInputs stateMethodInputs(const EmployeeRecord& employee, const PayResult& r,
                                    const std::optional<std::chrono::year_month_day>& payDate) {
    const EmployeeProfile& p = employee.profile;
    StateMethodInputs in;
    in.GrossPay = r.GrossPay;
    in.TaxableGross = r.TaxableGross;
    in.StateCafeteriaReduction = r.StateCafeteriaReduction;
    in.FedWithholding = r.FedWithholding;
    in.SocSecTax = r.SocSecTax;
    in.MedicareTax = r.MedicareTax;
    in.YtdSocSec = employee.ledger.totals.YtdSocSec;
    in.YtdMedicare = employee.ledger.totals.YtdMedicare;
    in.FedStatus = p.FedStatus;
    in.StateStatus = p.StateStatus;
    in.StateExemptions = p.StateExemptions;
    in.biWeekly = p.isBiWeekly();
    in.weekly = p.isWeekly();
    in.payDate = payDate;
    in.settings = employee.state;
    in.StateWithholding = r.StateWithholding;
    in.StateWage = r.StateWage;
    in.StateAllowance = r.StateAllowance;
    return in;
}

void applyStateFigures(PayrollContext& ctx, const StateFigures& figures) {
    PayResult& r = ctx.result;
    r.StateWithholding = figures.StateWithholding;
    r.StateWage = figures.StateWage;
    r.StateAllowance = figures.StateAllowance;
    if (figures.roundToWholeDollars) {
        // The calculation reads the box as the dialog shows it.
        ctx.stateDialog.ckRoundOff = 1;
        ctx.state.RoundState = 1;
    }
}

void runStateMethod(PayrollContext& ctx, StateMethodId id) {
    const StateMethod& method = builtInStateMethods()[static_cast<int>(id)];
    if (method.compute != nullptr) applyStateFigures(ctx, method.compute(stateMethodInputs(ctx)));
}

void applyCheckedSetters(PayrollContext& ctx) {
    for (const StateMethodId id : kSetterOrder) {
        if (ctx.stateDialog.methodBox(id) == 0) continue;
        const StateMethod& method = builtInStateMethods()[static_cast<int>(id)];
        if (method.setter != nullptr) method.setter(ctx);
    }
}

namespace {

void captionInsuranceColumns(StateDialogModel& d) {
    d.Label26 = d.ckSDI != 0 ? "Wage Base" : "Flat Rate";
    d.Label23 = d.ckSUI != 0 ? "Wage Base" : "Flat Rate";
}

}  // namespace

void prepareStateDialog(PayrollContext& ctx) {
    ctx.stateDialog = StateDialogModel{};
    showStateSettings(ctx.state, ctx.stateDialog);
    showStateBoxes(ctx.state, ctx.stateDialog);
    applyCheckedSetters(ctx);
    captureStateDialog(ctx.stateDialog, ctx.state);
    captionInsuranceColumns(ctx.stateDialog);
    ctx.loaded.stateDialog = true;
}

void loadStateDialog(PayrollContext& ctx) {
    ctx.stateDialog = StateDialogModel{};
    ReadStateFile(ctx, ctx.employeeFile(".sta"));
    ReadEmployeeFiles(ctx);
    applyCheckedSetters(ctx);
    captureStateDialog(ctx.stateDialog, ctx.state);
    captionInsuranceColumns(ctx.stateDialog);
    ctx.loaded.stateDialog = true;
}

}  // namespace corvanta
