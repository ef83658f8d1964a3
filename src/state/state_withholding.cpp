#include "state/state_withholding.h"

#include "files/employee_files.h"
#include "state/state_file.h"
#include "state/state_methods.h"

namespace corvanta {

bool applyStateLines(const std::array<BracketLine, kTableLines>& table, float wage, bool halve,
                     float& withholding) {
    auto m = [&](int k) { return halve ? table[k].MinRange / 2 : table[k].MinRange; };
    auto a = [&](int k) { return halve ? table[k].Amount / 2 : table[k].Amount; };
    bool applied = false;
    for (int k = 0; k < kTableLines; ++k) {
        const bool inRange = k + 1 < kTableLines ? (m(k) <= wage && wage < m(k + 1)) : m(k) <= wage;
        if (inRange) {
            withholding = (wage - m(k)) * table[k].Percent + a(k);
            applied = true;
        }
    }
    return applied;
}

void StateTableMethod(PayrollContext& ctx) {
    PayResult& r = ctx.result;
    const EmployeeProfile& p = ctx.profile;
    const auto& table = ctx.state.tableFor(p.StateStatus);
    float withholding = 0;
    if (p.PayBiWeekly != 0) {
        r.StateWage = r.TaxableGross - r.StateAllowance - r.StateCafeteriaReduction;
        if (applyStateLines(table, r.StateWage, false, withholding))
            r.StateWithholding = withholding;
    }
    if (p.PayWeekly != 0) {
        r.StateWage = r.TaxableGross - r.StateAllowance / 2 - r.StateCafeteriaReduction;
        if (applyStateLines(table, r.StateWage, true, withholding))
            r.StateWithholding = withholding;
    }
    r.StateWithholding -= static_cast<double>(ctx.state.CalAllowance);
}

void runStateWithholding(PayrollContext& ctx) {
    bool anyMethod = false;
    for (const StateMethodId id : kComputeOrder) {
        if (methodFlag(ctx.state, id) == 0) continue;
        anyMethod = true;
        const StateMethod& method = builtInStateMethods()[static_cast<int>(id)];
        if (method.compute != nullptr) method.compute(ctx);
    }
    if (!anyMethod) StateTableMethod(ctx);
}

void applyCheckedSetters(PayrollContext& ctx) {
    for (const StateMethodId id : kSetterOrder) {
        if (ctx.stateDialog.methodBox(id) == 0) continue;
        const StateMethod& method = builtInStateMethods()[static_cast<int>(id)];
        if (method.setter != nullptr) method.setter(ctx);
    }
}

void loadStateDialog(PayrollContext& ctx) {
    ctx.stateDialog = StateDialogModel{};
    ReadStateFile(ctx, ctx.employeeFile(".sta"));
    ReadEmployeeFiles(ctx);
    applyCheckedSetters(ctx);
    captureStateDialog(ctx.stateDialog, ctx.state);
    StateDialogModel& d = ctx.stateDialog;
    d.Label26 = d.ckSDI != 0 ? "Wage Base" : "Flat Rate";
    d.Label23 = d.ckSUI != 0 ? "Wage Base" : "Flat Rate";
    ctx.loaded.stateDialog = true;
}

}  // namespace corvanta
