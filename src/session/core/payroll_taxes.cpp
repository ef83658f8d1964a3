#include "session/core/payroll_taxes.h"

namespace corvanta {
namespace {

FicaWage ficaWage(const PayrollContext& ctx) {
    return FicaWage{ctx.result.GrossPay, ctx.result.CafeteriaThisPeriod, ctx.ledger.totals.YtdGross,
                    ctx.profile.SelfEmployed == 1};
}

}  // namespace

void GetSocSec(PayrollContext& ctx) { ctx.result.SocSecTax = socialSecurityTax(ficaWage(ctx)); }

void GetMedicare(PayrollContext& ctx) { ctx.result.MedicareTax = medicareTax(ficaWage(ctx)); }

void GetSDI_SUI(PayrollContext& ctx) {
    PayResult& r = ctx.result;
    const StateSettings& s = ctx.state;
    const Currency ytd = ctx.ledger.totals.YtdGross;
    r.SdiYtdAfter = ytd + Currency::fromFloat(r.GrossPay);
    r.SuiYtdAfter = r.SdiYtdAfter;
    r.SdiTax = insuranceTax(s.SdiUseBase, s.SdiPercent, s.SdiWageBase, ytd, r.GrossPay);
    r.SuiTax = insuranceTax(s.SuiUseBase, s.SuiPercent, s.SuiWageBase, ytd, r.GrossPay);
}

}  // namespace corvanta
