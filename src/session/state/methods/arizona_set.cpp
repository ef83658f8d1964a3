#include "base/core/money.h"
#include "session/state/methods/setter_support.h"
#include "session/state/state_setters.h"
#include "tax/state/methods/arizona.h"

namespace corvanta {

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
