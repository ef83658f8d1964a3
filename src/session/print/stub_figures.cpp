#include "session/print/stub_figures.h"

#include <cmath>

#include "base/core/money.h"
#include "base/core/numeric_text.h"
#include "base/core/user_error.h"

namespace corvanta {
namespace {

constexpr const char* kOverflowMessage = "Overflow: the amounts are too large to print.";

float checked(float value) {
    if (!std::isfinite(value)) throw UserError(kOverflowMessage);
    return value;
}

std::string rate(float value) { return formatPattern(value, kRatePattern); }
std::string earned(float value) { return formatPattern(value, kEarningsPattern); }
std::string earned(Currency value) { return formatPattern(value, kEarningsPattern); }
std::string earned(double value) { return formatPattern(value, kEarningsPattern); }
// The hours or dollars entered in one box for the last calculation.
std::string entered(const PayrollContext& ctx, int box) {
    return formatPattern(ctx.entries.boxes[box], kRatePattern);
}

std::array<EarningsLine, kEarningsKinds> earningsLines(const PayrollContext& ctx) {
    const EmployeeProfile& p = ctx.profile;
    const PeriodEntry& e = ctx.entry;
    const float multiplier = ctx.entries.overtimeAtDouble ? 2.0f : 1.0f;
    const float otRate = checked(multiplier * e.PayRate);
    const float otEarned = checked(static_cast<float>(ctx.entries.boxes[2]) * otRate);
    const float ot15Rate = checked(e.PayRate * 1.5f);
    const float ot15Earned = checked(e.OtHrs * 1.5f * e.PayRate);
    // Rate 1, holiday and vacation hours are paid at the period's rate (7.50 for a rate of 0).
    const float holiday = checked(e.PayRate * e.Avas);
    const float vacation = checked(e.VacDys * e.PayRate);
    const float tips = checked(p.TipsRate * e.TipsHrs);
    const PayResult& r = ctx.result;
    return {{
        {"Regular1 Earning", rate(e.PayRate), entered(ctx, 0), earned(r.Reg1Pay)},
        {"Regular2 Earning", rate(p.HourlyRate2), entered(ctx, 1), earned(r.Reg2Pay)},
        {"O.T. 1x / 2x Earned", rate(otRate), entered(ctx, 2), earned(otEarned)},
        {"O.T. 1.5x Earned", rate(ot15Rate), entered(ctx, 3), earned(ot15Earned)},
        {"Tips", rate(p.TipsRate), rate(e.TipsHrs), earned(tips)},
        {"Holiday", rate(e.PayRate), entered(ctx, 4), earned(holiday)},
        {"Vacation/Sick", rate(e.PayRate), entered(ctx, 5), earned(vacation)},
        {"Adjustment", entered(ctx, 6), "", earned(e.Addit)},
    }};
}

std::array<TaxLine, kTaxLinesPrinted> taxLines(const PayrollContext& ctx) {
    const EmployeeProfile& p = ctx.profile;
    const PayResult& r = ctx.result;
    const YtdTotals& t = ctx.ledger.totals;
    return {{
        {"Federal Tax", earned(r.FedWithholding), earned(t.YtdFederal)},
        {"Social Security Tax", earned(r.SocSecTax), earned(t.YtdSocSec)},
        {"Medicare Tax", earned(r.MedicareTax), earned(t.YtdMedicare)},
        {"State Tax", earned(r.StateWithholding), earned(t.YtdState)},
        {"City Tax", earned(r.LocalTax), earned(t.YtdCity)},
        {"State Disability Ins", earned(r.SdiTax), earned(t.YtdSdi)},
        {"State Unemployment Ins", earned(r.SuiTax), earned(t.YtdSui)},
        {p.CreditLabel, earned(p.CreditDeduction), earned(t.YtdCredit)},
        {p.BondLabel, earned(p.BondDeduction), earned(t.YtdBond)},
        {p.DuesLabel, earned(p.DuesDeduction), earned(t.YtdDues)},
        {p.PensionLabel, earned(r.PensionAmount), earned(t.YtdPension)},
        {p.MiscLabel, earned(p.MiscDeduction), earned(t.YtdMisc)},
        {"K-Plan", earned(r.KPlanAmount), earned(t.YtdKPlan)},
        {"Cafeteria Plan", earned(r.CafeteriaThisPeriod), earned(t.YtdCafeteria)},
    }};
}

}  // namespace

StubFigures stubFigures(const PayrollContext& ctx) {
    const YtdTotals& t = ctx.ledger.totals;
    const float ytdTaxes = checked(t.YtdSocSec + t.YtdFederal + t.YtdMedicare + t.YtdState +
                                   t.YtdCity + t.YtdSdi + t.YtdSui + t.YtdCafeteria);
    const float ytdDeductions =
        checked(t.YtdCredit + t.YtdPension + t.YtdBond + t.YtdDues + t.YtdMisc + t.YtdKPlan);
    StubFigures f;
    f.earnings = earningsLines(ctx);
    f.taxes = taxLines(ctx);
    f.ytdTips = earned(t.YtdTips);
    const PayResult& r = ctx.result;
    // The gross shows only where something of it is taxable, as in the window.
    f.gross = earned(r.TaxableGross != 0 ? r.GrossPay : 0.0f);
    f.taxTotal = earned(r.TaxDeduct);
    f.deductions = earned(r.TotDeduct);
    f.net = earned(r.NetPay);
    f.ytdGross = earned(t.YtdGross);
    f.ytdTaxes = earned(ytdTaxes);
    f.ytdDeductions = earned(ytdDeductions);
    f.ytdNet = earned(t.YtdNet);
    return f;
}

void zeroEmptyBoxes(PayrollContext& ctx) {
    for (std::string& box : ctx.window.txtAmount) {
        if (box.empty()) box = "0";
    }
}

}  // namespace corvanta
