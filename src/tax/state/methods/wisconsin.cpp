#include "tax/state/methods/wisconsin.h"

#include "tax/state/state_lines.h"

namespace corvanta {

StateFigures WisconsinMethod(const StateMethodInputs& in) {
    StateFigures out = unchangedFigures(in);
    const auto& table = in.settings.tableFor(in.StateStatus);
    out.StateWage = in.TaxableGross - in.settings.CalAllowance - in.StateCafeteriaReduction;
    float withholding = 0;
    if (in.biWeekly && applyStateLines(table, out.StateWage, false, withholding)) {
        out.StateWithholding = withholding;
    }
    if (in.weekly && applyStateLines(table, out.StateWage, true, withholding)) {
        out.StateWithholding = withholding;
    }
    const float credit = in.biWeekly ? in.StateAllowance : in.StateAllowance / 2;
    out.StateWithholding = static_cast<float>(out.StateWithholding) - credit;
    return out;
}

}  // namespace corvanta
