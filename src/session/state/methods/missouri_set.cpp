#include "session/state/methods/setter_support.h"
#include "session/state/state_setters.h"
#include "session/state/state_withholding.h"
#include "tax/state/methods/missouri.h"

namespace corvanta {

void MissouriSet(PayrollContext& ctx) {
    static constexpr AllowanceTexts biWeeklyW4{"0",      "46.15", "92.3",   "138.45", "184.6",
                                               "230.75", "276.9", "323.05", "369.2",  "415.35"};
    static constexpr AllowanceTexts weeklyW4{"0",     "23.08",  "46.16",  "69.24",  "92.32",
                                             "115.4", "138.48", "161.56", "184.64", "207.72"};
    StateDialogModel& d = ctx.stateDialog;
    d.Label14 = "Standard";
    d.Label15 = "W4 Allowance";
    d.Label21 = "BiWeekly";
    d.Label13 = "# of Exemp";
    clearBothTables(d);
    enableTables(d, false);
    const bool bi = biWeeklySelected(ctx);
    // A married employee whose spouse does not work takes the double deduction.
    const bool doubled = !singleStatus(ctx) && d.ckSpouse == 0;
    const char* standard = doubled ? (bi ? "419.23" : "209.62") : (bi ? "209.62" : "104.81");
    for (DialogCell& cell : d.txtStateSgExp) cell.text = standard;
    writeAllowanceColumn(d.txtStateMarExp, bi ? biWeeklyW4 : weeklyW4);
    enableAllowances(d, true);
    runStateMethod(ctx, StateMethodId::Missouri);
}

}  // namespace corvanta
