#include "tax/state/methods/massachusetts.h"

#include "tax/state/methods/method_support.h"

namespace corvanta {

StateFigures MassMethod(const StateMethodInputs& in) {
    // Once the year's FICA passes 2000 the deduction for it is used up.
    float wage = in.YtdSocSec + in.YtdMedicare > 2000 ? in.GrossPay
                                                      : in.GrossPay - in.SocSecTax - in.MedicareTax;
    const float exemption = in.settings.MarriedAllowance[exemptionIndex(in.StateExemptions)];
    wage = in.weekly ? static_cast<float>(wage - exemption * 0.5) : wage - exemption;
    StateFigures out = unchangedFigures(in);
    out.StateWithholding = wage * in.settings.SingleTable[0].Percent;
    return out;
}

}  // namespace corvanta
