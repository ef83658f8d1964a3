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

float boxValue(const PayrollContext& ctx, int box) {
    return checked(static_cast<float>(numericValue(ctx.window.txtAmount[box])));
}

std::string rate(float value) { return formatPattern(value, kRatePattern); }
std::string earned(float value) { return formatPattern(value, kEarningsPattern); }
std::string earned(Currency value) { return formatPattern(value, kEarningsPattern); }
std::string shown(const std::string& caption) {
    return formatPattern(captionValue(caption), kEarningsPattern);
}
std::string boxRate(const PayrollContext& ctx, int box) {
    return formatPattern(numericValue(ctx.window.txtAmount[box]), kRatePattern);
}

std::array<EarningsLine, kEarningsKinds> earningsLines(const PayrollContext& ctx) {
    const EmployeeProfile& p = ctx.profile;
    const PeriodEntry& e = ctx.entry;
    const float multiplier = ctx.window.opt1x ? 1.0f : 2.0f;
    const float otRate = checked(multiplier * e.PayRate);
    const float otEarned = checked(boxValue(ctx, 2) * otRate);
    const float ot15Rate = checked(e.PayRate * 1.5f);
    const float ot15Earned = checked(e.OtHrs * 1.5f * e.PayRate);
    // Rate 1, holiday and vacation hours are paid at the period's rate (7.50 for a rate of 0).
    const float holiday = checked(e.PayRate * e.Avas);
    const float vacation = checked(e.VacDys * e.PayRate);
    const float tips = checked(p.TipsRate * e.TipsHrs);
    const PayResult& r = ctx.result;
    return {{
        {"Regular1 Earning", rate(e.PayRate), boxRate(ctx, 0), earned(r.Reg1Pay)},
        {"Regular2 Earning", rate(p.HourlyRate2), boxRate(ctx, 1), earned(r.Reg2Pay)},
        {"O.T. 1x / 2x Earned", rate(otRate), boxRate(ctx, 2), earned(otEarned)},
        {"O.T. 1.5x Earned", rate(ot15Rate), boxRate(ctx, 3), earned(ot15Earned)},
        {"Tips", rate(p.TipsRate), rate(e.TipsHrs), earned(tips)},
        {"Holiday", rate(e.PayRate), boxRate(ctx, 4), earned(holiday)},
        {"Vacation/Sick", rate(e.PayRate), boxRate(ctx, 5), earned(vacation)},
        {"Adjustment", boxRate(ctx, 6), "", earned(e.Addit)},
    }};
}

std::array<TaxLine, kTaxLinesPrinted> taxLines(const PayrollContext& ctx) {
    const EmployeeProfile& p = ctx.profile;
    const auto& d = ctx.window.lbTaxDed;
    const YtdTotals& t = ctx.ledger.totals;
    const CalculatorWindow& w = ctx.window;
    return {{
        {"Federal Tax", shown(d[0]), earned(t.YtdFederal)},
        {"Social Security Tax", shown(d[1]), earned(t.YtdSocSec)},
        {"Medicare Tax", shown(d[2]), earned(t.YtdMedicare)},
        {"State Tax", shown(d[3]), earned(t.YtdState)},
        {"City Tax", shown(d[4]), earned(t.YtdCity)},
        {"State Disability Ins", shown(w.lbSDI), earned(t.YtdSdi)},
        {"State Unemployment Ins", shown(w.lbSUI), earned(t.YtdSui)},
        {p.CreditLabel, shown(d[5]), earned(t.YtdCredit)},
        {p.BondLabel, shown(d[6]), earned(t.YtdBond)},
        {p.DuesLabel, shown(d[7]), earned(t.YtdDues)},
        {p.PensionLabel, shown(d[8]), earned(t.YtdPension)},
        {p.MiscLabel, shown(d[9]), earned(t.YtdMisc)},
        {"K-Plan", shown(d[10]), earned(t.YtdKPlan)},
        {"Cafeteria Plan", shown(w.lbCafe), earned(t.YtdCafeteria)},
    }};
}

}  // namespace

double captionValue(const std::string& caption) {
    return strictNumber(caption).value_or(numericValue(caption));
}

StubFigures stubFigures(const PayrollContext& ctx) {
    const YtdTotals& t = ctx.ledger.totals;
    const CalculatorWindow& w = ctx.window;
    const float ytdTaxes = checked(t.YtdSocSec + t.YtdFederal + t.YtdMedicare + t.YtdState +
                                   t.YtdCity + t.YtdSdi + t.YtdSui + t.YtdCafeteria);
    const float ytdDeductions =
        checked(t.YtdCredit + t.YtdPension + t.YtdBond + t.YtdDues + t.YtdMisc + t.YtdKPlan);
    StubFigures f;
    f.earnings = earningsLines(ctx);
    f.taxes = taxLines(ctx);
    f.ytdTips = earned(t.YtdTips);
    f.gross = shown(w.Label13);
    f.taxTotal = shown(w.lbTaxes);
    f.deductions = shown(w.lbDeduct);
    f.net = shown(w.lbNet);
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
