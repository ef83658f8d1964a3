#include "session/core/pay_period.h"

#include <cmath>

#include "base/core/money.h"
#include "base/core/numeric_text.h"
#include "base/core/user_error.h"
#include "session/state/state_methods.h"
#include "session/state/state_withholding.h"
#include "tax/core/fica.h"
#include "tax/local/city_table.h"
#include "tax/local/non_city_table.h"
#include "tax/state/state_lines.h"

namespace corvanta {
namespace {

// One calculation in progress: what it reads, by reference, and what it has produced so far.
struct PayWork {
    const EmployeeRecord& employee;
    const EmployeeProfile& p;
    const FederalTable& federal;
    PeriodFigures figures;
    PeriodEntry& e = figures.entry;
    PayResult& r = figures.result;
};

int checkedFederalExemptions(const EmployeeProfile& p) {
    const auto n = strictInteger(p.FedExemptions);
    if (!n || *n < 0 || *n > 9) {
        throw UserError("The number of federal exemptions \"" + p.FedExemptions +
                            "\" is not 0 to 9.\r\nChoose it again in User Info.",
                        "Calculate");
    }
    return *n;
}

void checkStateExemptions(const EmployeeRecord& employee) {
    const int n = employee.profile.StateExemptions;
    if (n < 0 || n > 9) {
        throw UserError("The number of state exemptions (" + std::to_string(n) + ") in the file " +
                            employee.UserFileBase +
                            ".sta is not 0 to 9.\r\n"
                            "Choose it again in User Info.",
                        "Calculate");
    }
}

// Beyond this an amount cannot even be held as money, let alone shown.
constexpr double kLargestMoney = 9.2e14;

// Amounts are Singles, which show 7 digits: from 100,000.00 up the cents are lost.
void checkShownToTheCent(double amount, const char* figure) {
    if (std::fabs(amount) < kLargestSingleCents + 0.005) return;
    const std::string shown = std::fabs(amount) < kLargestMoney
                                  ? " of " + formatPattern(amount, "#,###.00")
                                  : std::string();
    throw UserError("The " + std::string(figure) + shown +
                        " is too large: amounts of 100,000.00 or more cannot be shown to the "
                        "cent.\r\nThe calculation was not made.",
                    "Calculate");
}

// A part of the gross that money cannot hold is refused as the gross it would make.
void checkHeldAsMoney(double part) {
    if (std::isfinite(part) && std::fabs(part) < kLargestMoney) return;
    checkShownToTheCent(HUGE_VAL, "gross pay");
}

void takeEntries(PayWork& w, const PeriodEntries& entries, float defaultRate) {
    const float rate = w.p.HourlyRate;
    w.e.PayRate = (rate != 0 && rate != defaultRate) ? rate : defaultRate;
    auto single = [&](int i) { return static_cast<float>(entries.boxes[i]); };
    w.e.StrHrs = single(0);
    w.e.StrHrs2 = single(1);
    w.e.OtVar = single(2);
    w.e.OtHrs = single(3);
    w.e.Avas = single(4);
    w.e.VacDys = single(5);
    w.e.Addit = Currency::fromDouble(entries.boxes[6]);
    w.e.TipsHrs = single(7);
}

void lookUpAllowances(PayWork& w, int fedExemptions) {
    const StateSettings& state = w.employee.state;
    const CityTable& city = w.employee.city;
    w.r.FedAllowance = w.p.FedStatus == FilingStatus::Single
                           ? w.federal.singleAllowance[fedExemptions]
                           : w.federal.marriedAllowance[fedExemptions];
    const int n = w.p.StateExemptions;
    const bool single = w.p.StateStatus == FilingStatus::Single;
    w.r.StateAllowance = single ? state.SingleAllowance[n] : state.MarriedAllowance[n];
    w.r.CityAllowance = single ? city.SingleAllowance[n] : city.MarriedAllowance[n];
}

void computeGross(PayWork& w, bool overtimeAtDouble) {
    PeriodEntry& e = w.e;
    PayResult& r = w.r;
    if (overtimeAtDouble) e.OtVar *= 2;
    const float rate = e.PayRate;
    const double timeAndHalf = static_cast<double>(e.OtHrs) * 1.5;
    r.TotalOt = static_cast<float>(static_cast<double>(e.OtVar * rate) +
                                   static_cast<double>(rate) * timeAndHalf);
    r.TotalTips = w.p.TipsRate * e.TipsHrs;
    const float straight = w.p.HourlyRate2 * e.StrHrs2 + e.StrHrs * rate;
    const double a = static_cast<double>(straight) + static_cast<double>(rate) * timeAndHalf +
                     static_cast<double>(e.Avas * rate);
    for (const double part :
         {a, static_cast<double>(e.OtVar * rate), static_cast<double>(rate * e.VacDys),
          static_cast<double>(w.p.TipsRate * e.TipsHrs)}) {
        checkHeldAsMoney(part);
    }
    const Currency gross = Currency::fromDouble(a) + e.Addit + Currency::fromFloat(e.OtVar * rate) +
                           Currency::fromFloat(rate * e.VacDys) +
                           Currency::fromFloat(w.p.TipsRate * e.TipsHrs);
    checkShownToTheCent(gross.toDouble(), "gross pay");
    r.GrossPay = gross.toFloat();
    r.Reg1Pay = e.StrHrs * rate;
    r.Reg2Pay = w.p.HourlyRate2 * e.StrHrs2;
}

void computeFederal(PayWork& w) {
    const EmployeeProfile& p = w.p;
    PayResult& r = w.r;
    const auto gross = static_cast<double>(r.GrossPay);
    r.KPlanAmount = p.KPlan == KPlanKind::PercentOfGross
                        ? static_cast<float>(static_cast<double>(p.KPlanValue) * 0.01 * gross)
                        : p.KPlanValue;
    r.PensionAmount = static_cast<float>(static_cast<double>(p.PensionPercent) * 0.01 * gross);
    r.TaxableGross = r.GrossPay - r.KPlanAmount;
    if (p.isBiWeekly()) r.FedAllowance *= 2;
    r.FedTaxableWage = r.TaxableGross - r.PensionAmount - r.FedAllowance - r.CafeteriaThisPeriod;
    if (p.FedExempt != 0) return;
    const FederalTable& t = w.federal;
    const bool single = p.FedStatus == FilingStatus::Single;
    if (p.isBiWeekly()) {
        r.FedWithholding =
            federalBrackets(single ? t.singleBiWeekly : t.marriedBiWeekly, r.FedTaxableWage);
    } else if (p.isWeekly()) {
        r.FedWithholding =
            federalBrackets(single ? t.singleWeekly : t.marriedWeekly, r.FedTaxableWage);
    }
}

void computeFica(PayWork& w) {
    const YtdTotals& ytd = w.employee.ledger.totals;
    const Currency ytdSocSecWages = ytd.YtdGross - Currency::fromShownSingle(ytd.YtdCafeteria);
    const FicaWage wage{w.r.GrossPay, w.r.CafeteriaThisPeriod, ytdSocSecWages,
                        w.p.SelfEmployed == 1};
    w.r.SocSecTax = socialSecurityTax(wage);
    w.r.MedicareTax = medicareTax(wage);
    if (w.p.SocSecMedExempt != 0) w.r.MedicareTax = w.r.SocSecTax = 0;
}

// The generic bracket table: the bi-weekly table, halved for weekly pay (rates are not).
void stateTable(PayWork& w) {
    PayResult& r = w.r;
    const auto& table = w.employee.state.tableFor(w.p.StateStatus);
    float withholding = 0;
    if (w.p.isBiWeekly()) {
        r.StateWage = r.TaxableGross - r.StateAllowance - r.StateCafeteriaReduction;
        if (applyStateLines(table, r.StateWage, false, withholding))
            r.StateWithholding = withholding;
    }
    if (w.p.isWeekly()) {
        r.StateWage = r.TaxableGross - r.StateAllowance / 2 - r.StateCafeteriaReduction;
        if (applyStateLines(table, r.StateWage, true, withholding))
            r.StateWithholding = withholding;
    }
    r.StateWithholding -= static_cast<double>(w.employee.state.CalAllowance);
}

void computeState(PayWork& w, const PeriodEntries& entries) {
    w.r.StateCafeteriaReduction = w.p.CafeteriaReducesState != 0 ? w.r.CafeteriaThisPeriod : 0;
    bool anyMethod = false;
    for (const StateMethodId id : kComputeOrder) {
        if (methodFlag(w.employee.state, id) == 0) continue;
        anyMethod = true;
        const StateMethod& method = builtInStateMethods()[static_cast<int>(id)];
        if (method.compute == nullptr) continue;
        const StateFigures f = method.compute(stateMethodInputs(w.employee, w.r, entries.payDate));
        w.r.StateWithholding = f.StateWithholding;
        w.r.StateWage = f.StateWage;
        w.r.StateAllowance = f.StateAllowance;
        if (f.roundToWholeDollars) w.figures.stateRoundsToDollars = true;
    }
    if (!anyMethod) stateTable(w);
}

void computeLocal(PayWork& w) {
    PayResult& r = w.r;
    if (w.p.NonCityResident != 0) {
        r.LocalTax =
            nonCityTax(w.employee.nonCity, w.p.isBiWeekly(), r.TaxableGross, r.CityAllowance);
        return;
    }
    r.LocalTax =
        cityTax(w.employee.city, !w.p.isBiWeekly(), w.p.StateStatus == FilingStatus::Single,
                r.TaxableGross, r.CityAllowance, r.CityTaxableWage);
}

void computeInsurance(PayWork& w) {
    PayResult& r = w.r;
    const StateSettings& s = w.employee.state;
    const Currency ytd = w.employee.ledger.totals.YtdGross;
    r.SdiYtdAfter = ytd + Currency::fromFloat(r.GrossPay);
    r.SuiYtdAfter = r.SdiYtdAfter;
    r.SdiTax = insuranceTax(s.SdiUseBase, s.SdiPercent, s.SdiWageBase, ytd, r.GrossPay);
    r.SuiTax = insuranceTax(s.SuiUseBase, s.SuiPercent, s.SuiWageBase, ytd, r.GrossPay);
}

void roundAndTotal(PayWork& w) {
    const EmployeeProfile& p = w.p;
    PayResult& r = w.r;
    PeriodDeductions& d = w.figures.deductions;
    d = {p.CreditDeduction, p.BondDeduction, p.DuesDeduction, p.MiscDeduction};
    r.FedWithholding = roundToCents(r.FedWithholding + p.FedAddWithholding);
    for (float* v : {&r.SocSecTax, &r.MedicareTax, &d.credit, &d.bond, &d.dues, &r.PensionAmount,
                     &d.misc, &r.KPlanAmount, &r.SdiTax, &r.SuiTax, &r.CafeteriaThisPeriod}) {
        *v = roundToCents(*v);
    }
    r.LocalTax = roundSingleToCents(r.LocalTax);
    if (p.FedExempt != 0) r.FedWithholding = 0;
    const StateSettings& s = w.employee.state;
    r.StateWithholding =
        roundSingleToCents(r.StateWithholding + static_cast<double>(s.StateAdjustment));
    if (s.RoundState != 0 || w.figures.stateRoundsToDollars) {
        r.StateWithholding = roundToWholeDollarsEven(r.StateWithholding);
    }
    if (r.StateWithholding < 0) r.StateWithholding = 0;

    // The sums are of cent amounts, so they are kept as the cent amount they denote.
    auto c = [](float v) { return shownAsDouble(v); };
    r.TaxDeduct = roundToCents(r.StateWithholding + c(r.FedWithholding) + c(r.SdiTax) +
                               c(r.SuiTax) + r.LocalTax + c(r.MedicareTax) + c(r.SocSecTax));
    r.TotDeduct = roundToCents(c(d.bond) + c(d.credit) + c(d.misc) + c(d.dues) + c(r.KPlanAmount) +
                               c(r.PensionAmount) + c(r.CafeteriaThisPeriod));
    const double net = static_cast<double>(r.GrossPay) - (r.TotDeduct + r.TaxDeduct) -
                       static_cast<double>(r.TotalTips);
    checkShownToTheCent(net, "net pay");
    r.NetPay = static_cast<float>(net);
}

}  // namespace

PeriodFigures calculatePeriod(const PeriodEntries& entries, const EmployeeRecord& employee,
                              const FederalTable& federal, float defaultRate) {
    const EmployeeProfile& p = employee.profile;
    const int fedExemptions = checkedFederalExemptions(p);
    checkStateExemptions(employee);

    PayWork w{employee, p, federal, {}};
    w.figures.entries = entries;
    w.r.CafeteriaThisPeriod = p.CafeteriaAmount;
    takeEntries(w, entries, defaultRate);
    lookUpAllowances(w, fedExemptions);
    computeGross(w, entries.overtimeAtDouble);
    computeFederal(w);
    computeFica(w);
    computeState(w, entries);
    computeLocal(w);
    computeInsurance(w);
    roundAndTotal(w);
    return w.figures;
}

}  // namespace corvanta
