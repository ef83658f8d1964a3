#include "core/payroll_taxes.h"

namespace corvanta {
namespace {

// One of SDI or SUI. Returns the period's contribution.
float insuranceTax(int useBase, float percent, float wageBase, Currency ytdGross, Currency ytdAfter,
                   float gross) {
    if (useBase == 0) return wageBase;  // a flat amount per period
    const double ytd = ytdGross.toDouble();
    if (ytd >= static_cast<double>(wageBase)) return 0;
    auto tax = static_cast<float>(static_cast<double>(percent) * 0.01 * gross);
    if (ytdAfter.toDouble() > static_cast<double>(wageBase)) {
        tax = static_cast<float>((static_cast<double>(wageBase) - ytd) *
                                 (static_cast<double>(percent) * 0.01));
    }
    return tax;
}

}  // namespace

void GetSocSec(PayrollContext& ctx) {
    PayResult& r = ctx.result;
    const Currency wage =
        Currency::fromFloat(r.GrossPay) - Currency::fromFloat(r.CafeteriaThisPeriod);
    const Currency ytd = ctx.ledger.totals.YtdGross;
    const double after = (ytd + wage).toDouble();
    // A period that ends exactly on the base is still wholly below it.
    const double room = SsWageBase - after;
    r.SocSecTax = room >= 0 ? static_cast<float>(wage.toDouble() * kSocSecRate) : 0.0f;
    if (after > SsWageBase && ytd.toDouble() < SsWageBase) {
        r.SocSecTax = static_cast<float>((SsWageBase - ytd.toDouble()) * kSocSecRate);
    }
    // A cafeteria plan larger than the pay leaves no wage to tax, not a refund.
    if (r.SocSecTax < 0) r.SocSecTax = 0;
    if (r.SocSecTax > 0 && ctx.profile.SelfEmployed == 1) r.SocSecTax *= 2;
}

void GetMedicare(PayrollContext& ctx) {
    PayResult& r = ctx.result;
    r.MedicareTax =
        static_cast<float>(static_cast<double>(r.GrossPay - r.CafeteriaThisPeriod) * kMedicareRate);
    if (r.MedicareTax < 0) r.MedicareTax = 0;
    if (ctx.profile.SelfEmployed == 1) r.MedicareTax *= 2;
}

void GetSDI_SUI(PayrollContext& ctx) {
    PayResult& r = ctx.result;
    const StateSettings& s = ctx.state;
    const Currency ytd = ctx.ledger.totals.YtdGross;
    r.SdiYtdAfter = ytd + Currency::fromFloat(r.GrossPay);
    r.SuiYtdAfter = r.SdiYtdAfter;
    r.SdiTax =
        insuranceTax(s.SdiUseBase, s.SdiPercent, s.SdiWageBase, ytd, r.SdiYtdAfter, r.GrossPay);
    r.SuiTax =
        insuranceTax(s.SuiUseBase, s.SuiPercent, s.SuiWageBase, ytd, r.SuiYtdAfter, r.GrossPay);
}

}  // namespace corvanta
