#include "state/methods/massachusetts.h"

#include "state/methods/method_support.h"

namespace corvanta {

void MassMethod(PayrollContext& ctx) {
    const PayResult& r = ctx.result;
    const YtdTotals& ytd = ctx.ledger.totals;
    // Once the year's FICA passes 2000 the deduction for it is used up.
    float wage = ytd.YtdSocSec + ytd.YtdMedicare > 2000 ? r.GrossPay
                                                        : r.GrossPay - r.SocSecTax - r.MedicareTax;
    const float exemption = ctx.state.MarriedAllowance[exemptionIndex(ctx.profile.StateExemptions)];
    wage = weeklySelected(ctx) ? static_cast<float>(wage - exemption * 0.5) : wage - exemption;
    ctx.result.StateWithholding = wage * ctx.state.SingleTable[0].Percent;
}

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
