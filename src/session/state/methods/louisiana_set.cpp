#include "base/core/money.h"
#include "session/state/methods/setter_support.h"
#include "session/state/state_setters.h"
#include "tax/state/methods/louisiana.h"

namespace corvanta {

void LouisianaSet(PayrollContext& ctx) {
    StateDialogModel& d = ctx.stateDialog;
    d.Label14 = "Personal";
    d.Label15 = "Dependent";
    d.Label21 = "Enter Number Of";
    d.Label13.clear();
    d.MarriedTableHeading = "Table for MARRIED Persons";
    blankRowLabels(d);
    enableAllowances(d, false);
    d.txtStatePerBS[0].text = "0";
    d.txtStatePerBM[0].text = "0";
    for (int k = 1; k < kTableLines; ++k) {
        d.txtStateMinBS[k].text = d.txtStateMinBM[k].text = "999999";
        d.txtStateAmtBS[k].text = d.txtStateAmtBM[k].text = "0";
        d.txtStatePerBS[k].text = d.txtStatePerBM[k].text = "0";
    }
    enableTables(d, false);
    const float personal = ctx.state.SingleAllowance[0];
    const float dependents = ctx.state.MarriedAllowance[0];
    d.txtStateSgExp[0].text = personal > 2 ? "0" : shortestText(personal);
    d.txtStateMarExp[0].text = dependents > 6 ? "0" : shortestText(dependents);
    d.txtStateSgExp[0].enabled = true;
    d.txtStateMarExp[0].enabled = true;
}

}  // namespace corvanta
