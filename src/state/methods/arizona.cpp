#include "state/methods/arizona.h"

#include "core/money.h"
#include "state/methods/method_support.h"

namespace corvanta {

void ArizonaMethod(PayrollContext& ctx) {
    const float rate = ctx.state.tableFor(ctx.profile.StateStatus)[0].Percent;
    ctx.result.StateWithholding = ctx.result.FedWithholding * rate;
}

void ArizonaSet(PayrollContext& ctx) {
    StateDialogModel& d = ctx.stateDialog;
    writeAllowanceSteps(d, 0);
    enableAllowances(d, false);
    clearBothTables(d);
    d.txtStatePerBS[0].text = shortestText(ctx.state.SingleTable[0].Percent);
    d.txtStatePerBM[0].text = shortestText(ctx.state.MarriedTable[0].Percent);
    enableTables(d, false);
    d.txtStatePerBS[0].enabled = true;
    d.txtStatePerBM[0].enabled = true;
    d.Label14 = "Single";
    d.Label15 = "Married";
    d.Label21 = "BiWeekly";
    d.Label13 = "# of Exemp";
    d.MarriedTableHeading = "Table for MARRIED Persons";
    numberRowLabels(d);
}

}  // namespace corvanta
