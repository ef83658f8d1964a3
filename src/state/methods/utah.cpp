#include "state/methods/utah.h"

#include "state/methods/method_support.h"

namespace corvanta {
namespace {

constexpr int kUtahLines = 7;

void applyUtahLines(const StateMethodInputs& in, StateFigures& out, bool halve) {
    const auto& table = in.settings.tableFor(in.StateStatus);
    forEachLineInRange(table, kUtahLines, out.StateWage, halve,
                       [&](int k, float, float amount, float percent) {
                           out.StateWithholding = out.StateWage * percent + amount;
                           // The top line's rate already includes the exemption credit.
                           if (k == kUtahLines - 1) out.StateAllowance = 0;
                       });
}

}  // namespace

StateFigures UtahMethod(const StateMethodInputs& in) {
    StateFigures out = unchangedFigures(in);
    out.StateWage = in.TaxableGross - in.StateCafeteriaReduction;
    if (in.biWeekly) applyUtahLines(in, out, false);
    if (in.weekly) applyUtahLines(in, out, true);
    out.StateWithholding = static_cast<float>(out.StateWithholding) - out.StateAllowance;
    return out;
}

}  // namespace corvanta
