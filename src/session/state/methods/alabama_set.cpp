#include "session/state/methods/setter_support.h"
#include "session/state/state_setters.h"
#include "tax/state/methods/alabama.h"

namespace corvanta {

void AlabamaSet(PayrollContext& ctx) {
    StateDialogModel& d = ctx.stateDialog;
    numberRowLabels(d);
    const LineText zero{"0", "0", "0"};
    const LineText zeros[kTableLines]{zero, zero, zero, zero, zero, zero, zero, zero, zero, zero};
    writeSingleTable(d, zeros, kTableLines);
    writeMarriedTable(d, zeros, kTableLines);
    writeAllowanceSteps(d, 0);
    enableTables(d, false);
    enableAllowances(d, false);
}

}  // namespace corvanta
