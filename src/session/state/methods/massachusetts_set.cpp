#include "session/state/methods/setter_support.h"
#include "session/state/state_setters.h"
#include "tax/state/methods/massachusetts.h"

namespace corvanta {

void MassSet(PayrollContext& ctx) {
    StateDialogModel& d = ctx.stateDialog;
    numberRowLabels(d);
    const LineText line1{"0", "0", "0.053"};
    writeSingleTable(d, &line1, 1);
    writeMarriedTable(d, &line1, 1);
    enableTables(d, false);
    for (auto* column : {&d.txtStateMinBS, &d.txtStateAmtBS, &d.txtStatePerBS, &d.txtStateMinBM,
                         &d.txtStateAmtBM, &d.txtStatePerBM}) {
        (*column)[0].enabled = true;
    }
    const AllowanceTexts exemptions{"0",   "169", "207", "245", "283",
                                    "321", "359", "397", "435", "473"};
    writeAllowances(d, exemptions, exemptions);
    enableAllowances(d, true);
}

}  // namespace corvanta
