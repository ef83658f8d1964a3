#include "state/methods/oregon.h"

#include "state/methods/method_support.h"
#include "state/state_dialog_model.h"

namespace corvanta {
namespace {

float standardDeduction(const PayrollContext& ctx) {
    const std::string& status = ctx.profile.StateStatus;
    const bool biWeekly = biWeeklySelected(ctx);
    if (status == "Single") return biWeekly ? 70.19f : 35.1f;
    if (status == "Married") return biWeekly ? 140.38f : 70.19f;
    return 0;
}

}  // namespace

void OregonMethod(PayrollContext& ctx) {
    PayResult& r = ctx.result;
    const float cap = biWeeklySelected(ctx) ? 215.3846f : 107.6923f;
    const float wage =
        (cap >= r.FedWithholding ? r.GrossPay - r.FedWithholding : r.GrossPay - cap) -
        standardDeduction(ctx);
    r.StateWage = wage;
    const int n = exemptionIndex(ctx.profile.StateExemptions);
    const bool married = !singleStatus(ctx) || n > 2;
    const auto& table = married ? ctx.state.MarriedTable : ctx.state.SingleTable;
    const float allowance = married ? ctx.state.MarriedAllowance[n] : ctx.state.SingleAllowance[n];
    forEachLineInRange(table, 3, wage, false, [&](int k, float min, float amount, float percent) {
        r.StateWithholding = k == 0 ? 0.0f : (wage - min) * percent + amount - allowance;
    });
}

void OregonSet(PayrollContext& ctx) {
    static constexpr LineText weeklySingle[]{
        {"0", "0", "0.05"}, {"55", "3", "0.07"}, {"138", "9", "0.09"}};
    static constexpr LineText weeklyMarried[]{
        {"0", "0", "0.05"}, {"110", "5", "0.07"}, {"275", "17", "0.09"}};
    static constexpr LineText biWeeklyMarried[]{
        {"0", "0", "0.05"}, {"219", "11", "0.07"}, {"550", "34", "0.09"}};
    StateDialogModel& d = ctx.stateDialog;
    // The stored record back into the cells; the check boxes stay as the operator left them.
    const int noStateTax = d.ckNoStateTax, sdiBase = d.ckSDI, suiBase = d.ckSUI;
    showStateSettings(ctx.state, d);
    d.ckNoStateTax = noStateTax;
    d.ckSDI = sdiBase;
    d.ckSUI = suiBase;
    const bool biWeekly = biWeeklySelected(ctx);
    // Weekly married figures are the bi-weekly single ones.
    writeSingleTable(d, biWeekly ? weeklyMarried : weeklySingle, 3);
    writeMarriedTable(d, biWeekly ? biWeeklyMarried : weeklyMarried, 3);
    writeAllowanceSteps(d, biWeekly ? 650 : 325);
    enableTables(d, true);
    enableAllowances(d, true);
    d.Label21 = biWeekly ? "BIWEEKLY" : "WEEKLY";
}

}  // namespace corvanta
