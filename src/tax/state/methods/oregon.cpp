#include "tax/state/methods/oregon.h"

#include "tax/state/methods/method_support.h"

namespace corvanta {
namespace {

float standardDeduction(const StateMethodInputs& in) {
    if (in.StateStatus == FilingStatus::Single) return in.biWeekly ? 70.19f : 35.1f;
    if (in.StateStatus == FilingStatus::Married) return in.biWeekly ? 140.38f : 70.19f;
    return 0;
}

}  // namespace

StateFigures OregonMethod(const StateMethodInputs& in) {
    StateFigures out = unchangedFigures(in);
    const float cap = in.biWeekly ? 215.3846f : 107.6923f;
    const float wage =
        (cap >= in.FedWithholding ? in.GrossPay - in.FedWithholding : in.GrossPay - cap) -
        standardDeduction(in);
    out.StateWage = wage;
    const int n = exemptionIndex(in.StateExemptions);
    const bool married = !in.single() || n > 2;
    const StateSettings& s = in.settings;
    const auto& table = married ? s.MarriedTable : s.SingleTable;
    const float allowance = married ? s.MarriedAllowance[n] : s.SingleAllowance[n];
    forEachLineInRange(table, 3, wage, false, [&](int, float min, float amount, float percent) {
        out.StateWithholding = (wage - min) * percent + amount - allowance;
    });
    return out;
}

}  // namespace corvanta
