#include "session/payroll/register_figures.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <map>
#include <optional>
#include <utility>
#include <vector>

#include "base/core/user_error.h"
#include "tax/core/deposit_dates.h"
#include "tax/core/fica.h"
#include "tax/state/pay_date.h"

namespace corvanta {
namespace {

constexpr int kSocSecShare = 620;    // 6.2%
constexpr int kMedicareShare = 145;  // 1.45%
constexpr int kSocSecBoth = 1240;    // 12.4%
constexpr int kMedicareBoth = 290;   // 2.9%
constexpr int kFutaRate = 80;        // 0.8%
const Currency kOneCent = Currency::fromUnits(100);

// A ledger cell as the ledger shows it: to the cent.
Currency shown(float v) { return atRate(Currency::fromShownSingle(v), 10000); }
Currency dollars(double v) { return Currency::fromDouble(v); }
Currency clampAtZero(Currency c) { return c < Currency{} ? Currency{} : c; }
Currency smaller(Currency a, Currency b) { return a < b ? a : b; }
Currency absolute(Currency c) { return c < Currency{} ? Currency{} - c : c; }

std::string trimmed(const std::string& s) {
    const auto first = s.find_first_not_of(' ');
    if (first == std::string::npos) return "";
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

// An empty ledger row shows "0" for its week; a row is in use once it has a label or pay.
bool inUse(const LedgerRow& r) {
    const std::string label = trimmed(r.WeekLabel);
    return (!label.empty() && label != "0") || r.Gross != 0 || r.Net != 0;
}

// A row of the ledger with its date, when its label is one.
struct DatedRow {
    int index = 0;
    const LedgerRow* row = nullptr;
    std::optional<std::chrono::year_month_day> date;
};

int quarterOf(std::chrono::year_month_day d) {
    return (static_cast<int>(static_cast<unsigned>(d.month())) - 1) / 3 + 1;
}

// Whether a dated row falls in the period; weeks go by their label.
bool inPeriod(const DatedRow& r, const RegisterPeriod& p) {
    if (p.span == RegisterSpan::Week) return trimmed(r.row->WeekLabel) == trimmed(p.week);
    if (!r.date || static_cast<int>(r.date->year()) != p.year) return false;
    return p.span == RegisterSpan::Year || quarterOf(*r.date) == p.quarter;
}

// Rows of the period's year before the period: they use up the wage bases first.
bool beforePeriod(const DatedRow& r, const RegisterPeriod& p,
                  std::optional<std::chrono::year_month_day> start) {
    if (!r.date || !start || p.span == RegisterSpan::Year) return false;
    return r.date->year() == start->year() && *r.date < *start;
}

// The first day of a quarter, or a week's own date; rows before it come before the period.
std::optional<std::chrono::year_month_day> periodStart(const RegisterPeriod& p) {
    using namespace std::chrono;
    if (p.span == RegisterSpan::Quarter) {
        return year_month_day{year(p.year), month(static_cast<unsigned>(p.quarter * 3 - 2)),
                              day(1)};
    }
    if (p.span == RegisterSpan::Week) return readPayDate(p.week);
    return std::nullopt;
}

void addRow(RegisterAmounts& a, const LedgerRow& r) {
    a.gross = a.gross + shown(r.Gross);
    a.federal = a.federal + shown(r.Federal);
    a.socSec = a.socSec + shown(r.SocSec);
    a.medicare = a.medicare + shown(r.Medicare);
    a.state = a.state + shown(r.State);
    a.city = a.city + shown(r.City);
    a.sdi = a.sdi + shown(r.Sdi);
    a.sui = a.sui + shown(r.Sui);
    a.deductions = a.deductions + shown(r.Credit) + shown(r.Bond) + shown(r.Dues) +
                   shown(r.Pension) + shown(r.Misc) + shown(r.KPlan) + shown(r.Cafeteria);
    a.net = a.net + shown(r.Net);
    a.tips = a.tips + shown(r.Tips);
    a.kPlan = a.kPlan + shown(r.KPlan);
    a.pension = a.pension + shown(r.Pension);
}

void addAmounts(RegisterAmounts& a, const RegisterAmounts& b) {
    a.gross = a.gross + b.gross;
    a.federal = a.federal + b.federal;
    a.socSec = a.socSec + b.socSec;
    a.medicare = a.medicare + b.medicare;
    a.state = a.state + b.state;
    a.city = a.city + b.city;
    a.sdi = a.sdi + b.sdi;
    a.sui = a.sui + b.sui;
    a.deductions = a.deductions + b.deductions;
    a.net = a.net + b.net;
    a.tips = a.tips + b.tips;
    a.kPlan = a.kPlan + b.kPlan;
    a.pension = a.pension + b.pension;
}

std::string statusOf(const EmployeeProfile& p) {
    std::string s;
    auto add = [&s](const char* t) { s += (s.empty() ? "" : ", ") + std::string(t); };
    if (p.SelfEmployed == 1) add("self-employed");
    if (p.FedExempt != 0) add("exempt from federal withholding");
    if (p.SocSecMedExempt != 0) add("exempt from Social Security and Medicare");
    return s;
}

// Walks one employee's ledger: the period's amounts, the forms' wages and the checks.
class EmployeeWalk {
  public:
    EmployeeWalk(const EmployeeBooks& books, const RegisterPeriod& period,
                 std::vector<RegisterCheck>& checks)
        : books_(books), period_(period), checks_(checks) {
        line_.employee = books.name;
        line_.name = books.profile.EmployeeName;
        line_.status = statusOf(books.profile);
        line_.pensionLabel = books.profile.PensionLabel;
        line_.selfEmployed = books.profile.SelfEmployed == 1;
        line_.socSecMedExempt = books.profile.SocSecMedExempt != 0;
        if (period.span == RegisterSpan::Quarter) {
            using namespace std::chrono;
            twelfth_ = sys_days(year_month_day{
                year(period.year), month(static_cast<unsigned>(period.quarter * 3)), day(12)});
        }
    }

    RegisterLine walk() {
        const std::vector<DatedRow> rows = datedRows();
        checkLabels(rows);
        // The wage base is used up in date order; rows out of order are reported above.
        std::vector<DatedRow> byDate;
        for (const DatedRow& r : rows) {
            if (r.date) byDate.push_back(r);
        }
        std::stable_sort(byDate.begin(), byDate.end(),
                         [](const DatedRow& a, const DatedRow& b) { return *a.date < *b.date; });
        const auto start = periodStart(period_);
        for (const DatedRow& r : byDate) {
            if (!beforePeriod(r, period_, start)) continue;
            baseUsed_ = baseUsed_ + socSecWage(*r.row);
            if (books_.profile.SocSecMedExempt == 0) futaUsed_ = futaUsed_ + socSecWage(*r.row);
        }
        for (const DatedRow& r : period_.span == RegisterSpan::Week ? rows : byDate) {
            if (inPeriod(r, period_)) takeRow(r);
        }
        for (const DatedRow& r : rows) {
            if (!r.date && period_.span != RegisterSpan::Week) {
                line_.undated.push_back(trimmed(r.row->WeekLabel));
            }
        }
        return line_;
    }

  private:
    [[nodiscard]] std::vector<DatedRow> datedRows() const {
        std::vector<DatedRow> rows;
        for (std::size_t i = 0; i < books_.rows.size(); ++i) {
            const LedgerRow& r = books_.rows[i];
            if (inUse(r)) rows.push_back({static_cast<int>(i), &r, readPayDate(r.WeekLabel)});
        }
        return rows;
    }

    void report(int index, const std::string& message) {
        checks_.push_back({books_.name, index + 1, message});
    }

    void checkLabels(const std::vector<DatedRow>& rows) {
        std::map<std::string, int> seen;
        std::optional<std::chrono::year_month_day> last;
        for (const DatedRow& r : rows) {
            const std::string label = trimmed(r.row->WeekLabel);
            if (!label.empty()) {
                const auto [it, fresh] = seen.emplace(label, r.index);
                if (!fresh) {
                    report(r.index, "week " + label + " is posted twice (also row " +
                                        std::to_string(it->second + 1) + ")");
                }
            }
            if (r.date && last && *r.date < *last) {
                report(r.index, "week " + label + " is out of date order");
            }
            if (r.date) last = r.date;
        }
    }

    [[nodiscard]] Currency socSecWage(const LedgerRow& r) const {
        return clampAtZero(shown(r.Gross) - shown(r.Cafeteria));
    }

    // A weekly period is the seven days ending on its label, a bi-weekly one fourteen.
    [[nodiscard]] bool holdsTheTwelfth(const DatedRow& dr) const {
        if (!twelfth_ || !dr.date) return false;
        const int days = books_.profile.isBiWeekly() ? 14 : 7;
        const auto after = (std::chrono::sys_days(*dr.date) - *twelfth_).count();
        return after >= 0 && after < days;
    }

    void takeRow(const DatedRow& dr) {
        const LedgerRow& r = *dr.row;
        const EmployeeProfile& p = books_.profile;
        line_.paid = true;
        ++line_.paychecks;
        if (holdsTheTwelfth(dr)) line_.paidForTwelfth = true;
        addRow(line_.amounts, r);
        FormWages& w = line_.wages;
        const Currency gross = shown(r.Gross);
        const Currency ssWage = socSecWage(r);
        w.federal = w.federal + gross - shown(r.KPlan) - shown(r.Pension) - shown(r.Cafeteria);
        const Currency stateCut = p.CafeteriaReducesState != 0 ? shown(r.Cafeteria) : Currency{};
        w.state = w.state + gross - shown(r.KPlan) - stateCut;
        w.local = w.local + gross - shown(r.KPlan);
        const int times = p.SelfEmployed == 1 ? 2 : 1;
        if (p.SocSecMedExempt != 0) {
            // Exempt from Social Security and Medicare, and so from FUTA too.
            checkWithheld(dr.index, "Social Security", shown(r.SocSec), Currency{});
            checkWithheld(dr.index, "Medicare", shown(r.Medicare), Currency{});
            owe(dr, shown(r.Federal));
            return;
        }
        const Currency futaRoom = clampAtZero(dollars(kFutaWageBase) - futaUsed_);
        w.futa = w.futa + smaller(ssWage, futaRoom);
        futaUsed_ = futaUsed_ + smaller(ssWage, futaRoom);
        w.medicare = w.medicare + ssWage;
        const Currency room = clampAtZero(dollars(SsWageBase) - baseUsed_);
        const Currency taxable = smaller(ssWage, room);
        const Currency tips = smaller(shown(r.Tips), taxable);
        w.socSecWages = w.socSecWages + taxable - tips;
        w.socSecTips = w.socSecTips + tips;
        if (room == Currency{} && shown(r.SocSec) > Currency{}) {
            report(dr.index, "Social Security " + registerAmount(shown(r.SocSec)) +
                                 " withheld on wages above the base of " +
                                 registerAmount(dollars(SsWageBase)));
        } else {
            line_.heldToTheCent =
                line_.heldToTheCent + checkWithheld(dr.index, "Social Security", shown(r.SocSec),
                                                    atRate(taxable, kSocSecShare * times));
        }
        line_.heldToTheCent =
            line_.heldToTheCent + checkWithheld(dr.index, "Medicare", shown(r.Medicare),
                                                atRate(ssWage, kMedicareShare * times));
        const Currency socSecBefore = w.uncollectedSocSec;
        const Currency medicareBefore = w.uncollectedMedicare;
        takeUncollected(r, tips);
        baseUsed_ = baseUsed_ + ssWage;
        if (p.SelfEmployed == 1) return;  // no employer of theirs owes anything
        const Currency employerSocSec = atRate(taxable, kSocSecShare);
        const Currency employerMedicare = atRate(ssWage, kMedicareShare);
        line_.employerSocSec = line_.employerSocSec + employerSocSec;
        line_.employerMedicare = line_.employerMedicare + employerMedicare;
        const Currency uncollected =
            w.uncollectedSocSec - socSecBefore + (w.uncollectedMedicare - medicareBefore);
        owe(dr, shown(r.Federal) + shown(r.SocSec) + shown(r.Medicare) - uncollected +
                    employerSocSec + employerMedicare);
    }

    void owe(const DatedRow& dr, Currency amount) {
        if (!dr.date || books_.profile.SelfEmployed == 1) return;
        Currency& day = line_.liabilityByPayday[std::chrono::sys_days(*dr.date)];
        day = day + amount;
    }

    // A paycheck whose net is below zero could not withhold the tax on the tips the
    // employee already holds: Social Security on them first, then Medicare.
    void takeUncollected(const LedgerRow& r, Currency ssTips) {
        const Currency shortfall = Currency{} - shown(r.Net);
        if (!(shortfall > Currency{}) || !(shown(r.Tips) > Currency{})) return;
        const Currency socSec = smaller(shortfall, atRate(ssTips, kSocSecShare));
        const Currency medicare =
            smaller(shortfall - socSec, atRate(shown(r.Tips), kMedicareShare));
        line_.wages.uncollectedSocSec = line_.wages.uncollectedSocSec + socSec;
        line_.wages.uncollectedMedicare = line_.wages.uncollectedMedicare + medicare;
    }

    // What the paycheck counts as withheld for line 7a: the amount withheld when it is the
    // tax to the cent; otherwise the tax, and the difference is reported, never absorbed.
    Currency checkWithheld(int index, const std::string& tax, Currency withheld,
                           Currency expected) {
        if (absolute(withheld - expected) <= kOneCent) return withheld;
        report(index, tax + " withheld " + registerAmount(withheld) + " differs from " +
                          registerAmount(expected) + " (rate times taxable wage) by " +
                          registerAmount(withheld - expected) + "; not booked on line 7a");
        return expected;
    }

    const EmployeeBooks& books_;
    const RegisterPeriod& period_;
    std::vector<RegisterCheck>& checks_;
    RegisterLine line_;
    Currency baseUsed_;  // Social Security wages of the year before the row
    Currency futaUsed_;
    std::optional<std::chrono::sys_days> twelfth_;  // of the quarter's last month
};

Form941 form941Of(const std::vector<RegisterLine>& lines) {
    Form941 f;
    Currency withheld;
    Currency uncollected;
    for (const RegisterLine& l : lines) {
        if (!l.paid || l.selfEmployed) continue;
        if (l.paidForTwelfth) ++f.line1;
        f.line2 = f.line2 + l.wages.federal;
        f.line3 = f.line3 + l.amounts.federal;
        f.line5aWages = f.line5aWages + l.wages.socSecWages;
        f.line5bTips = f.line5bTips + l.wages.socSecTips;
        f.line5cWages = f.line5cWages + l.wages.medicare;
        withheld = withheld + l.heldToTheCent;
        uncollected = uncollected + l.wages.uncollectedSocSec + l.wages.uncollectedMedicare;
    }
    f.line5aTax = atRate(f.line5aWages, kSocSecBoth);
    f.line5bTax = atRate(f.line5bTips, kSocSecBoth);
    f.line5cTax = atRate(f.line5cWages, kMedicareBoth);
    f.line5d = f.line5aTax + f.line5bTax + f.line5cTax;
    f.line6 = f.line3 + f.line5d;
    // The employer pays half of 5d; the paychecks' rounding of the other half is line 7a. A
    // paycheck off by more than a cent is reported by the walk and counted at its tax here.
    f.line7a = withheld - atRate(f.line5d, 5000);
    f.line7c = Currency{} - uncollected;
    f.line7h = f.line7a + f.line7c;
    f.line8 = f.line6 + f.line7h;
    return f;
}

FormW2 w2Of(const RegisterLine& l) {
    FormW2 w;
    w.employee = l.employee;
    w.box1 = l.wages.federal;
    w.box2 = l.amounts.federal;
    w.box3 = l.wages.socSecWages;
    w.box4 = l.amounts.socSec - l.wages.uncollectedSocSec;
    w.box5 = l.wages.medicare;
    w.box6 = l.amounts.medicare - l.wages.uncollectedMedicare;
    w.box12A = l.wages.uncollectedSocSec;
    w.box12B = l.wages.uncollectedMedicare;
    w.box14 = l.amounts.pension;
    w.box14Label = l.pensionLabel;
    w.box7 = l.wages.socSecTips;
    w.box12D = l.amounts.kPlan;
    w.box16 = l.wages.state;
    w.box17 = l.amounts.state;
    w.box18 = l.wages.local;
    w.box19 = l.amounts.city;
    return w;
}

void addW2(FormW2& sum, const FormW2& w) {
    for (auto box :
         {&FormW2::box1, &FormW2::box2, &FormW2::box3, &FormW2::box4, &FormW2::box5, &FormW2::box6,
          &FormW2::box7, &FormW2::box12D, &FormW2::box16, &FormW2::box17, &FormW2::box18,
          &FormW2::box19, &FormW2::box12A, &FormW2::box12B, &FormW2::box14}) {
        sum.*box = sum.*box + w.*box;
    }
}

void yearForms(PayrollRegister& reg) {
    for (const RegisterLine& l : reg.lines) {
        if (!l.paid || l.selfEmployed) continue;
        reg.w2.push_back(w2Of(l));
        addW2(reg.w3, reg.w2.back());
        reg.futa = reg.futa + atRate(l.wages.futa, kFutaRate);
    }
    reg.w3.employee = "W-3";
    reg.employerSocSec = atRate(reg.w3.box3 + reg.w3.box7, kSocSecShare);
    reg.employerMedicare = atRate(reg.w3.box5, kMedicareShare);
}

std::string monthText(std::chrono::year_month ym) {
    static const std::array<const char*, 12> names{"January",   "February", "March",    "April",
                                                   "May",       "June",     "July",     "August",
                                                   "September", "October",  "November", "December"};
    return std::string(names.at(static_cast<unsigned>(ym.month()) - 1)) + " " +
           std::to_string(static_cast<int>(ym.year()));
}

void addLiabilities(PayrollRegister& reg) {
    EmployerLiabilities& e = reg.liabilities;
    for (const RegisterLine& l : reg.lines) {
        if (!l.paid || l.selfEmployed) continue;
        e.federal = e.federal + l.amounts.federal;
        e.socSecWithheld = e.socSecWithheld + l.amounts.socSec - l.wages.uncollectedSocSec;
        e.medicareWithheld = e.medicareWithheld + l.amounts.medicare - l.wages.uncollectedMedicare;
        e.employerSocSec = e.employerSocSec + l.employerSocSec;
        e.employerMedicare = e.employerMedicare + l.employerMedicare;
        e.futa = e.futa + atRate(l.wages.futa, kFutaRate);
    }
    e.deposit =
        e.federal + e.socSecWithheld + e.medicareWithheld + e.employerSocSec + e.employerMedicare;
}

// The liabilities of the period's paydays, all employees together.
std::map<std::chrono::sys_days, Currency> paydays(const PayrollRegister& reg) {
    std::map<std::chrono::sys_days, Currency> all;
    for (const RegisterLine& l : reg.lines) {
        for (const auto& [day, amount] : l.liabilityByPayday) all[day] = all[day] + amount;
    }
    return all;
}

void addMonthlyLiability(PayrollRegister& reg) {
    using namespace std::chrono;
    for (const auto& [day, amount] : paydays(reg)) {
        const auto m = static_cast<int>(static_cast<unsigned>(year_month_day(day).month()));
        Currency& month = reg.monthlyLiability.at((m - 1) % 3);
        month = month + amount;
    }
    // The months must add up to the quarter's taxes after adjustments: the paychecks'
    // rounding goes to the last month with taxes.
    Currency total;
    for (const Currency c : reg.monthlyLiability) total = total + c;
    for (int i = 2; i >= 0; --i) {
        if (reg.monthlyLiability.at(i) != Currency{}) {
            reg.monthlyLiability.at(i) = reg.monthlyLiability.at(i) + reg.form941->line8 - total;
            break;
        }
    }
}

// Taxes gathered up to a payday that reach this are due the next banking day, and a monthly
// depositor is a semi-weekly one from then on.
constexpr Currency kNextDayDeposit = Currency::fromUnits(100000LL * 10000);

// The last day of the semi-weekly period a payday falls in: the Friday for a payday from
// Wednesday to Friday, the Tuesday for one from Saturday to Tuesday.
std::chrono::sys_days semiWeeklyPeriodEnd(std::chrono::sys_days day) {
    using namespace std::chrono;
    const weekday wd{day};
    const bool midWeek = wd == Wednesday || wd == Thursday || wd == Friday;
    const weekday end = midWeek ? Friday : Tuesday;
    while (weekday(day) != end) day += days(1);
    return day;
}

// Walks the paydays in order, gathering their taxes until the deposit they belong to is
// made: a month's for a monthly depositor, a semi-weekly period's otherwise. Taxes gathered
// to $100,000 are deposited the next banking day, and the employer deposits semi-weekly from
// then on. Returns whether that happened.
bool depositsByPayday(PayrollRegister& reg, const std::map<std::chrono::sys_days, Currency>& days,
                      bool semiWeekly) {
    using namespace std::chrono;
    bool reached = false;
    std::vector<std::pair<sys_days, Currency>> pending;  // gathered, not yet deposited
    std::optional<year_month> pendingMonth;
    const auto flushMonth = [&] {
        Currency sum;
        for (const auto& [day, amount] : pending) sum = sum + amount;
        if (pendingMonth)
            reg.deposits.push_back(
                {monthText(*pendingMonth), sum, monthlyDepositDue(*pendingMonth)});
        pending.clear();
    };
    const auto flushSemiWeekly = [&] {
        for (const auto& [day, amount] : pending) {
            reg.deposits.push_back({"payday " + dateText(year_month_day(day)), amount,
                                    semiWeeklyDepositDue(year_month_day(day)),
                                    DepositRule::SemiWeekly});
        }
        pending.clear();
    };
    std::optional<sys_days> periodEnd;
    for (const auto& [day, amount] : days) {
        const year_month_day d(day);
        if (!semiWeekly && pendingMonth && *pendingMonth != d.year() / d.month()) flushMonth();
        if (semiWeekly && periodEnd && semiWeeklyPeriodEnd(day) != *periodEnd) flushSemiWeekly();
        pendingMonth = d.year() / d.month();
        periodEnd = semiWeeklyPeriodEnd(day);
        pending.emplace_back(day, amount);
        Currency gathered;
        for (const auto& p : pending) gathered = gathered + p.second;
        if (gathered >= kNextDayDeposit) {
            reg.deposits.push_back({"payday " + dateText(d) + " (taxes of $100,000 or more)",
                                    gathered, nextBankingDay(d), DepositRule::NextDay});
            pending.clear();
            semiWeekly = true;
            reached = true;
        }
    }
    if (semiWeekly) {
        flushSemiWeekly();
    } else {
        flushMonth();
    }
    return reached;
}

// The first payday of the year whose taxes, gathered by the month, reach $100,000: from then on
// a monthly depositor is a semi-weekly one for the rest of the year.
std::optional<std::chrono::sys_days> hundredThousandPayday(
    const std::vector<EmployeeBooks>& employees, int year) {
    using namespace std::chrono;
    PayrollRegister whole;
    whole.period.span = RegisterSpan::Year;
    whole.period.year = year;
    // Its checks are not kept: the period's own walk reports what is wrong.
    for (const EmployeeBooks& books : employees) {
        whole.lines.push_back(EmployeeWalk(books, whole.period, whole.checks).walk());
    }
    Currency gathered;
    std::optional<year_month> month;
    for (const auto& [day, amount] : paydays(whole)) {
        const year_month_day d(day);
        if (month != d.year() / d.month()) gathered = Currency{};
        month = d.year() / d.month();
        gathered = gathered + amount;
        if (gathered >= kNextDayDeposit) return day;
    }
    return std::nullopt;
}

// The year a period's paydays fall in: a week's from its label.
std::optional<int> yearOf(const RegisterPeriod& period) {
    if (period.span != RegisterSpan::Week) return period.year;
    const auto date = readPayDate(period.week);
    if (!date) return std::nullopt;
    return static_cast<int>(date->year());
}

void addDeposits(PayrollRegister& reg, const std::vector<EmployeeBooks>& employees) {
    using namespace std::chrono;
    const auto days = paydays(reg);
    if (reg.schedule == DepositSchedule::Monthly && !days.empty()) {
        const auto year = yearOf(reg.period);
        const auto since = year ? hundredThousandPayday(employees, *year) : std::nullopt;
        if (since && *since < days.begin()->first) reg.semiWeeklySince = year_month_day(*since);
    }
    const bool carried = reg.semiWeeklySince.has_value();
    const bool reached =
        depositsByPayday(reg, days, reg.schedule == DepositSchedule::SemiWeekly || carried);
    reg.becameSemiWeekly = reached && reg.schedule == DepositSchedule::Monthly && !carried;
    if (reg.schedule == DepositSchedule::SemiWeekly || !reg.form941) return;
    if (reached || carried) {
        // The quarter's deposits add up to its 941 liabilities: the paychecks' rounding goes
        // with the last deposit.
        Currency total;
        for (const TaxDeposit& d : reg.deposits) total = total + d.amount;
        Currency months;
        for (const Currency c : reg.monthlyLiability) months = months + c;
        if (!reg.deposits.empty()) {
            reg.deposits.back().amount = reg.deposits.back().amount + months - total;
        }
        return;
    }
    // The quarter's deposits are its months' liabilities as the 941 shows them.
    reg.deposits.clear();
    std::map<year_month, Currency> byMonth;
    for (const auto& [day, amount] : days) {
        const year_month_day d(day);
        byMonth[d.year() / d.month()] = reg.monthlyLiability.at((unsigned(d.month()) - 1) % 3);
    }
    for (const auto& [ym, amount] : byMonth) {
        reg.deposits.push_back({monthText(ym), amount, monthlyDepositDue(ym)});
    }
}

}  // namespace

std::string dateText(std::chrono::year_month_day day) {
    return std::to_string(static_cast<unsigned>(day.month())) + "/" +
           std::to_string(static_cast<unsigned>(day.day())) + "/" +
           std::to_string(static_cast<int>(day.year()));
}

Currency atRate(Currency amount, int tenThousandths) {
    const std::int64_t units = amount.units();
    const DecimalValue exact{units < 0, std::llabs(units) * tenThousandths, -8};
    const std::string cents = formatPattern(exact, "#####.00");
    return Currency::fromDouble(std::stod(cents));
}

RegisterPeriod registerPeriod(RegisterSpan span, const std::string& text) {
    RegisterPeriod p;
    p.span = span;
    p.title = text;
    const auto year = [&](const std::string& digits) {
        if (digits.size() != 4 || digits.find_first_not_of("0123456789") != std::string::npos) {
            throw UserError("The year \"" + text + "\" is not a year such as 2008.");
        }
        return std::stoi(digits);
    };
    switch (span) {
        case RegisterSpan::Week:
            if (trimmed(text).empty())
                throw UserError("The week of the register needs a label, such as 1/4/2008.");
            p.week = trimmed(text);
            break;
        case RegisterSpan::Quarter:
            if (text.size() != 6 || (text[4] != 'Q' && text[4] != 'q') || text[5] < '1' ||
                text[5] > '4') {
                throw UserError("The quarter \"" + text + "\" is not a quarter such as 2008Q1.");
            }
            p.year = year(text.substr(0, 4));
            p.quarter = text[5] - '0';
            break;
        case RegisterSpan::Year:
            p.year = year(text);
            break;
    }
    return p;
}

std::string registerAmount(Currency c) {
    std::string s = formatPattern(c, "#,###.00");
    if (s.rfind('.', 0) == 0) return "0" + s;
    if (s.rfind("-.", 0) == 0) return "-0" + s.substr(1);
    return s;
}

std::vector<std::string> postedWeeks(const std::vector<EmployeeBooks>& employees) {
    std::vector<std::pair<std::chrono::year_month_day, std::string>> dated;
    std::vector<std::string> undated;
    const auto seen = [&](const std::string& label) {
        return std::any_of(dated.begin(), dated.end(),
                           [&](const auto& d) { return d.second == label; }) ||
               std::find(undated.begin(), undated.end(), label) != undated.end();
    };
    for (const EmployeeBooks& e : employees) {
        for (const LedgerRow& r : e.rows) {
            const std::string label = trimmed(r.WeekLabel);
            if (!inUse(r) || label.empty() || seen(label)) continue;
            if (const auto date = readPayDate(label)) {
                dated.emplace_back(*date, label);
            } else {
                undated.push_back(label);
            }
        }
    }
    std::stable_sort(dated.begin(), dated.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<std::string> weeks;
    weeks.reserve(dated.size() + undated.size());
    for (const auto& d : dated) weeks.push_back(d.second);
    weeks.insert(weeks.end(), undated.begin(), undated.end());
    return weeks;
}

PayrollRegister buildRegister(const std::vector<EmployeeBooks>& employees,
                              const RegisterPeriod& period, DepositSchedule schedule) {
    PayrollRegister reg;
    reg.period = period;
    reg.schedule = schedule;
    for (const EmployeeBooks& books : employees) {
        reg.lines.push_back(EmployeeWalk(books, period, reg.checks).walk());
        if (reg.lines.back().paid) addAmounts(reg.totals, reg.lines.back().amounts);
    }
    if (period.span == RegisterSpan::Quarter) reg.form941 = form941Of(reg.lines);
    if (period.span == RegisterSpan::Year) yearForms(reg);
    addLiabilities(reg);
    if (reg.form941) addMonthlyLiability(reg);
    if (period.span != RegisterSpan::Year) addDeposits(reg, employees);
    return reg;
}

}  // namespace corvanta
