#include "tax/state/methods/missouri.h"

#include "tax/state/methods/graduated_schedule.h"
#include "tax/state/methods/method_support.h"

namespace corvanta {
namespace {

constexpr ScheduleBracket kBiWeekly[]{
    {38.5, 0.015, 0},      {77, 0.02, 0.5775},  {115.5, 0.025, 1.3475}, {154, 0.03, 2.31},
    {192.5, 0.035, 3.465}, {231, 0.04, 4.8125}, {269.5, 0.045, 6.3525}, {308, 0.05, 8.085},
    {346.5, 0.055, 10.01}, {0, 0.06, 12.1275}};
constexpr ScheduleBracket kWeekly[]{
    {20, 0.015, 0},   {40, 0.02, 0.3},   {60, 0.025, 0.7}, {80, 0.03, 1.2},   {100, 0.035, 1.8},
    {120, 0.04, 2.5}, {140, 0.045, 3.3}, {160, 0.05, 4.2}, {180, 0.055, 5.2}, {0, 0.06, 6.3}};

// The most federal withholding that may be deducted in a period: 10,000 a year for a married
// couple with one earner, 5,000 for every other filer ("Spouse Works" is asked of married
// persons only, so its unchecked box says nothing about a single employee).
float federalCap(const StateMethodInputs& in) {
    const bool oneEarnerCouple =
        in.StateStatus == FilingStatus::Married && in.settings.SpouseWorks == 0;
    const double annual = oneEarnerCouple ? 10000 : 5000;
    return static_cast<float>(annual / (in.weekly ? 52 : 26));
}

}  // namespace

StateFigures MissouriMethod(const StateMethodInputs& in) {
    const int n = exemptionIndex(in.StateExemptions);
    const float cap = federalCap(in);
    // Above the cap only the cap is deducted, as Oregon does.
    const double federal = cap >= in.FedWithholding ? in.FedWithholding : cap;
    double wage = static_cast<double>(in.TaxableGross) - federal - in.StateCafeteriaReduction;
    wage = wage - in.settings.SingleAllowance[n] - in.settings.MarriedAllowance[n];
    const double tax = scheduleTax(in.biWeekly ? kBiWeekly : kWeekly, wage);
    StateFigures out = unchangedFigures(in);
    out.StateWithholding = static_cast<float>(tax);
    out.roundToWholeDollars = true;  // Missouri withholds whole dollars
    return out;
}

}  // namespace corvanta
