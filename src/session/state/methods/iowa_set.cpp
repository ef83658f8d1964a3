#include "session/state/methods/setter_support.h"
#include "session/state/state_setters.h"
#include "session/state/state_withholding.h"
#include "tax/state/methods/iowa.h"

namespace corvanta {

void IowaSet(PayrollContext& ctx) {
    StateDialogModel& d = ctx.stateDialog;
    d.biWeeklyCaptionsVisible = false;
    d.Label14 = "Standard";
    d.Label15 = "Credit";
    d.Label21 = "BiWeekly";
    d.Label13 = "# of Exemp";
    numberRowLabels(d);
    clearBothTables(d);
    enableTables(d, false);
    const bool bi = biWeeklySelected(ctx);
    for (int n = 0; n < kTableLines; ++n) {
        // Two or more exemptions take the larger standard deduction.
        const char* standard = n < 2 ? (bi ? "63.46" : "31.73") : (bi ? "156.15" : "78.08");
        d.txtStateSgExp[n].text = standard;
        d.txtStateMarExp[n].text = centsText(n * (bi ? 154 : 77));
    }
    enableAllowances(d, true);
    d.ckRoundOff = 1;
    runStateMethod(ctx, StateMethodId::Iowa);
}

}  // namespace corvanta
