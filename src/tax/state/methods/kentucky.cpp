#include "tax/state/methods/kentucky.h"

#include "tax/state/methods/method_support.h"

namespace corvanta {

StateFigures KentuckyMethod(const StateMethodInputs& in) {
    const auto& t = in.settings.tableFor(in.StateStatus);
    const float gross = in.GrossPay;
    const float allowance = statusAllowance(in);
    auto m = [&](int k) { return t[k].MinRange; };
    auto p = [&](int k) { return t[k].Percent; };
    auto wage = [&](int k) { return gross - t[k].Amount; };  // W(k), kept in 32 bits
    std::array<float, 5> full{};  // C(j): the whole tax of brackets 1..j+1
    full[0] = p(0) * m(0);
    for (int j = 1; j < 5; ++j) full[j] = full[j - 1] + (m(j) - m(j - 1)) * p(j);
    // Bracket k (k >= 1) on top of the full lower brackets.
    auto bracket = [&](int k) { return full[k - 1] + (wage(k) - m(k - 1)) * p(k) - allowance; };

    StateFigures out = unchangedFigures(in);
    double& result = out.StateWithholding;
    const float w1 = wage(0);
    if (w1 <= m(0)) result = w1 * p(0) - allowance;
    if (w1 > m(0) && wage(1) <= m(1)) result = bracket(1);
    if (wage(1) > m(1) && wage(2) <= m(2)) result = bracket(2);
    if (w1 > m(2) && w1 <= m(3)) result = bracket(3);
    if (w1 > m(3)) result = bracket(4);
    if (w1 > m(4)) result = bracket(5);
    return out;
}

}  // namespace corvanta
