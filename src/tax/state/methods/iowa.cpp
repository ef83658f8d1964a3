#include "tax/state/methods/iowa.h"

#include "tax/state/methods/graduated_schedule.h"
#include "tax/state/methods/method_support.h"

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

StateFigures IowaMethod(const StateMethodInputs& in) {
    const int n = exemptionIndex(in.StateExemptions);
    const double wage = static_cast<double>(in.TaxableGross) - in.FedWithholding -
                        in.StateCafeteriaReduction - in.settings.SingleAllowance[n];
    const double tax = scheduleTax(in.biWeekly ? kBiWeekly : kWeekly, wage);
    StateFigures out = unchangedFigures(in);
    out.StateWithholding = static_cast<float>(tax - in.settings.MarriedAllowance[n]);
    return out;
}

}  // namespace corvanta
