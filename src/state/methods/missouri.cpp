#include "state/methods/missouri.h"

#include "state/methods/graduated_schedule.h"
#include "state/methods/method_support.h"

namespace corvanta {
namespace {

constexpr ScheduleBracket kBiWeekly[]{
    {38.5, 0.015, 0},      {77, 0.02, 0.5775},  {115.5, 0.025, 1.3475}, {154, 0.03, 2.31},
    {192.5, 0.035, 3.465}, {231, 0.04, 4.8125}, {269.5, 0.045, 6.3525}, {308, 0.05, 8.085},
    {346.5, 0.055, 10.01}, {0, 0.06, 12.1275}};
constexpr ScheduleBracket kWeekly[]{
    {20, 0.015, 0},   {40, 0.02, 0.3},   {60, 0.025, 0.7}, {80, 0.03, 1.2},   {100, 0.035, 1.8},
    {120, 0.04, 2.5}, {140, 0.045, 3.3}, {160, 0.05, 4.2}, {180, 0.055, 5.2}, {0, 0.06, 6.3}};

// The most federal withholding that may be deducted in a period.
float federalCap(const PayrollContext& ctx) {
    const double annual = ctx.state.SpouseWorks == 1 ? 5000 : 10000;
    return static_cast<float>(annual / (weeklySelected(ctx) ? 52 : 26));
}

}  // namespace

void MissouriMethod(PayrollContext& ctx) {
    const PayResult& r = ctx.result;
    const int n = exemptionIndex(ctx.profile.StateExemptions);
    const float cap = federalCap(ctx);
    // Above the cap only the cap is deducted, as Oregon does.
    const double federal = cap >= r.FedWithholding ? r.FedWithholding : cap;
    double wage = static_cast<double>(r.TaxableGross) - federal - r.StateCafeteriaReduction;
    wage = wage - ctx.state.SingleAllowance[n] - ctx.state.MarriedAllowance[n];
    const double tax = scheduleTax(biWeeklySelected(ctx) ? kBiWeekly : kWeekly, wage);
    ctx.result.StateWithholding = static_cast<float>(tax);
    // Missouri withholds whole dollars: the calculation reads the box as the dialog shows it.
    ctx.stateDialog.ckRoundOff = 1;
    ctx.state.RoundState = 1;
}

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
    MissouriMethod(ctx);
}

}  // namespace corvanta
