#include "tax/state/methods/north_carolina.h"

#include "tax/state/methods/method_support.h"

namespace corvanta {
namespace {

void applyNCLines(const StateMethodInputs& in, StateFigures& out, float allowance, bool halve) {
    out.StateWage =
        in.TaxableGross - in.settings.CalAllowance - allowance - in.StateCafeteriaReduction;
    const auto& table = in.settings.tableFor(in.StateStatus);
    forEachLineInRange(table, kTableLines, out.StateWage, halve,
                       [&](int, float, float amount, float percent) {
                           out.StateWithholding = out.StateWage * percent - amount;
                       });
}

// An allowance is worth 2,500 a year below the status's income cutoff, which the dialog's
// column holds, and 2,000 at or above it: 76.92 bi-weekly.
constexpr float kReducedAllowance = 76.92f;

float biWeeklyAllowance(const StateMethodInputs& in, int periods) {
    const double cutoff = in.single() ? 60000 : 50000;
    if (static_cast<double>(in.TaxableGross) * periods < cutoff) return in.StateAllowance;
    return kReducedAllowance * static_cast<float>(exemptionIndex(in.StateExemptions));
}

}  // namespace

StateFigures NCMethod(const StateMethodInputs& in) {
    StateFigures out = unchangedFigures(in);
    if (in.biWeekly) applyNCLines(in, out, biWeeklyAllowance(in, 26), false);
    if (in.weekly) applyNCLines(in, out, biWeeklyAllowance(in, 52) / 2, true);
    return out;
}

}  // namespace corvanta
