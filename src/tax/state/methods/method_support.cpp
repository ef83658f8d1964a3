#include "tax/state/methods/method_support.h"

#include <algorithm>

namespace corvanta {

int exemptionIndex(int exemptions) { return std::clamp(exemptions, 0, kTableLines - 1); }

float statusAllowance(const StateMethodInputs& in) {
    const int n = exemptionIndex(in.StateExemptions);
    return in.single() ? in.settings.SingleAllowance[n] : in.settings.MarriedAllowance[n];
}

}  // namespace corvanta
