#include "session/state/methods/setter_support.h"
#include "session/state/state_setters.h"
#include "tax/state/methods/kentucky.h"

namespace corvanta {

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
