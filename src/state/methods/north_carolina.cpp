#include "state/methods/north_carolina.h"

#include "state/methods/method_support.h"

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

}  // namespace

StateFigures NCMethod(const StateMethodInputs& in) {
    StateFigures out = unchangedFigures(in);
    const float allowance = in.StateAllowance;
    if (in.biWeekly) applyNCLines(in, out, allowance, false);
    if (in.weekly) applyNCLines(in, out, allowance / 2, true);
    return out;
}

}  // namespace corvanta
