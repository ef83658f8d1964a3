#include "state/methods/kentucky.h"

#include "state/methods/method_support.h"

namespace corvanta {

void KentuckyMethod(PayrollContext& ctx) {
    const auto& t = ctx.state.tableFor(ctx.profile.StateStatus);
    const float gross = ctx.result.GrossPay;
    const float allowance = statusAllowance(ctx);
    auto m = [&](int k) { return t[k].MinRange; };
    auto p = [&](int k) { return t[k].Percent; };
    auto wage = [&](int k) { return gross - t[k].Amount; };  // W(k), kept in 32 bits
    std::array<float, 5> full{};  // C(j): the whole tax of brackets 1..j+1
    full[0] = p(0) * m(0);
    for (int j = 1; j < 5; ++j) full[j] = full[j - 1] + (m(j) - m(j - 1)) * p(j);
    // Bracket k (k >= 1) on top of the full lower brackets.
    auto bracket = [&](int k) { return full[k - 1] + (wage(k) - m(k - 1)) * p(k) - allowance; };

    double& result = ctx.result.StateWithholding;
    const float w1 = wage(0);
    if (w1 <= m(0)) result = w1 * p(0) - allowance;
    if (w1 > m(0) && wage(1) <= m(1)) result = bracket(1);
    if (wage(1) > m(1) && wage(2) <= m(2)) result = bracket(2);
    if (w1 > m(2) && w1 <= m(3)) result = bracket(3);
    if (w1 > m(3)) result = bracket(4);
    if (w1 > m(4)) result = bracket(5);
}

void KentuckySet(PayrollContext& ctx) {
    static constexpr LineText biWeekly[]{
        {"115.38", "80.7692", "0.02"},  {"153.84", "80.7692", "0.03"},
        {"192.3", "80.7692", "0.04"},   {"307.68", "80.7692", "0.05"},
        {"2884.6", "80.7692", "0.058"}, {"5769.22", "80.7692", "0.06"}};
    static constexpr LineText weekly[]{
        {"57.69", "40.3846", "0.02"},   {"76.92", "40.3846", "0.03"},
        {"96.15", "40.3846", "0.04"},   {"153.85", "40.3846", "0.05"},
        {"1442.3", "40.3846", "0.058"}, {"2884.61", "40.3846", "0.06"}};
    static constexpr AllowanceTexts biWeeklyCredits{"0",    "0.77", "1.54", "2.31",  "3.08",
                                                    "3.85", "4.62", "5.39", "6.153", "6.923"};
    static constexpr AllowanceTexts weeklyCredits{"0",     "0.385", "0.77",  "1.153", "1.54",
                                                  "1.923", "2.31",  "2.692", "3.08",  "3.462"};
    StateDialogModel& d = ctx.stateDialog;
    const bool bi = biWeeklySelected(ctx);
    writeSingleTable(d, bi ? biWeekly : weekly, 6);
    writeMarriedTable(d, bi ? biWeekly : weekly, 6);
    writeAllowances(d, bi ? biWeeklyCredits : weeklyCredits, bi ? biWeeklyCredits : weeklyCredits);
    enableTables(d, true);
    enableAllowances(d, true);
}

}  // namespace corvanta
