#include "tax/state/methods/utah.h"

#include <algorithm>
#include <chrono>

#include "tax/state/methods/method_support.h"
#include "tax/state/pay_date.h"

namespace corvanta {
namespace {

constexpr int kUtahLines = 7;

// Wages paid from this day on are withheld by the flat-rate formula.
constexpr std::chrono::year_month_day kFlatRateStart{std::chrono::year{2008}, std::chrono::February,
                                                     std::chrono::day{1}};

void applyUtahLines(const StateMethodInputs& in, StateFigures& out, bool halve) {
    const auto& table = in.settings.tableFor(in.StateStatus);
    forEachLineInRange(table, kUtahLines, out.StateWage, halve,
                       [&](int k, float, float amount, float percent) {
                           out.StateWithholding = out.StateWage * percent + amount;
                           // The top line's rate already includes the exemption credit.
                           if (k == kUtahLines - 1) out.StateAllowance = 0;
                       });
}

// The schedule of the table: the whole wage times its line's rate, less the exemption credit.
void graduatedSchedule(const StateMethodInputs& in, StateFigures& out) {
    if (in.biWeekly) applyUtahLines(in, out, false);
    if (in.weekly) applyUtahLines(in, out, true);
    out.StateWithholding = static_cast<float>(out.StateWithholding) - out.StateAllowance;
}

// 5% of the wage less a credit that shrinks by 1.3% of the wage above the status's base;
// every annual amount divided into the pay period.
double flatRateTax(const StateMethodInputs& in, double wage) {
    const double periods = in.weekly && !in.biWeekly ? 52 : 26;
    const bool single = in.single();
    const int allowances = exemptionIndex(in.StateExemptions);
    const double credit = (125.0 * allowances + (single ? 250 : 375)) / periods;
    const double creditBase = (single ? 12000 : 18000) / periods;
    const double reduction = 0.013 * std::max(0.0, wage - creditBase);
    return std::max(0.0, 0.05 * wage - std::max(0.0, credit - reduction));
}

}  // namespace

bool utahFlatRateApplies(const std::optional<std::chrono::year_month_day>& payDate) {
    return !payDate || *payDate >= kFlatRateStart;
}

StateFigures UtahMethod(const StateMethodInputs& in) {
    StateFigures out = unchangedFigures(in);
    out.StateWage = in.TaxableGross - in.StateCafeteriaReduction;
    if (utahFlatRateApplies(in.payDate)) {
        out.StateWithholding = flatRateTax(in, out.StateWage);
    } else {
        graduatedSchedule(in, out);
    }
    return out;
}

}  // namespace corvanta
