#include "session/state/methods/setter_support.h"
#include "session/state/state_setters.h"
#include "tax/state/methods/oregon.h"

namespace corvanta {

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
