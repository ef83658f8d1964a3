#include "state/methods/iowa.h"

#include "core/money.h"
#include "state/methods/graduated_schedule.h"
#include "state/methods/method_support.h"

namespace corvanta {
namespace {

// The top bracket continues from 2250 (weekly 1125) like the others.
constexpr ScheduleBracket kBiWeekly[]{
    {50, 0.0036, 0},      {100, 0.0072, 0.18},   {200, 0.0243, 0.54},
    {450, 0.045, 2.97},   {750, 0.0612, 14.22},  {1000, 0.0648, 32.58},
    {1500, 0.068, 48.78}, {2250, 0.0792, 82.78}, {0, 0.0898, 142.18}};
constexpr ScheduleBracket kWeekly[]{
    {25, 0.0036, 0},     {50, 0.0072, 0.09},    {100, 0.0243, 0.27},
    {225, 0.045, 1.485}, {375, 0.0612, 7.11},   {500, 0.0648, 16.29},
    {750, 0.068, 24.39}, {1125, 0.0792, 41.39}, {0, 0.0898, 71.09}};

}  // namespace

void IowaMethod(PayrollContext& ctx) {
    const PayResult& r = ctx.result;
    const int n = exemptionIndex(ctx.profile.StateExemptions);
    const double wage = static_cast<double>(r.TaxableGross) - r.FedWithholding -
                        r.StateCafeteriaReduction - ctx.state.SingleAllowance[n];
    const double tax = scheduleTax(biWeeklySelected(ctx) ? kBiWeekly : kWeekly, wage);
    ctx.result.StateWithholding = static_cast<float>(tax - ctx.state.MarriedAllowance[n]);
}

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
    IowaMethod(ctx);
}

}  // namespace corvanta
