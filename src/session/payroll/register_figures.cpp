#include "session/payroll/register_figures.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <map>

#include "base/core/user_error.h"
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

// Rows of the period's year before the period: they use up the wage base first.
bool beforePeriod(const DatedRow& r, const RegisterPeriod& p) {
    if (p.span != RegisterSpan::Quarter || !r.date) return false;
    return static_cast<int>(r.date->year()) == p.year && quarterOf(*r.date) < p.quarter;
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
        for (const DatedRow& r : byDate) {
            if (beforePeriod(r, period_)) baseUsed_ = baseUsed_ + socSecWage(*r.row);
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

    void takeRow(const DatedRow& dr) {
        const LedgerRow& r = *dr.row;
        const EmployeeProfile& p = books_.profile;
        line_.paid = true;
        addRow(line_.amounts, r);
        FormWages& w = line_.wages;
        const Currency gross = shown(r.Gross);
        const Currency ssWage = socSecWage(r);
        w.federal = w.federal + gross - shown(r.KPlan) - shown(r.Pension) - shown(r.Cafeteria);
        const Currency stateCut = p.CafeteriaReducesState != 0 ? shown(r.Cafeteria) : Currency{};
        w.state = w.state + gross - shown(r.KPlan) - stateCut;
        w.local = w.local + gross - shown(r.KPlan);
        const Currency futaRoom = clampAtZero(dollars(kFutaWageBase) - futaUsed_);
        w.futa = w.futa + smaller(ssWage, futaRoom);
        futaUsed_ = futaUsed_ + smaller(ssWage, futaRoom);
        const int times = p.SelfEmployed == 1 ? 2 : 1;
        if (p.SocSecMedExempt != 0) {
            checkWithheld(dr.index, "Social Security", shown(r.SocSec), Currency{});
            checkWithheld(dr.index, "Medicare", shown(r.Medicare), Currency{});
            return;
        }
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
            checkWithheld(dr.index, "Social Security", shown(r.SocSec),
                          atRate(taxable, kSocSecShare * times));
        }
        checkWithheld(dr.index, "Medicare", shown(r.Medicare),
                      atRate(ssWage, kMedicareShare * times));
        baseUsed_ = baseUsed_ + ssWage;
    }

    void checkWithheld(int index, const std::string& tax, Currency withheld, Currency expected) {
        if (absolute(withheld - expected) > kOneCent) {
            report(index, tax + " withheld " + registerAmount(withheld) + " differs from " +
                              registerAmount(expected) + " (rate times taxable wage)");
        }
    }

    const EmployeeBooks& books_;
    const RegisterPeriod& period_;
    std::vector<RegisterCheck>& checks_;
    RegisterLine line_;
    Currency baseUsed_;  // Social Security wages of the year before the row
    Currency futaUsed_;
};

Form941 form941Of(const std::vector<RegisterLine>& lines) {
    Form941 f;
    Currency withheld;
    for (const RegisterLine& l : lines) {
        if (!l.paid || l.status.find("self-employed") != std::string::npos) continue;
        ++f.line1;
        f.line2 = f.line2 + l.wages.federal;
        f.line3 = f.line3 + l.amounts.federal;
        f.line5aWages = f.line5aWages + l.wages.socSecWages;
        f.line5bTips = f.line5bTips + l.wages.socSecTips;
        f.line5cWages = f.line5cWages + l.wages.medicare;
        withheld = withheld + l.amounts.socSec + l.amounts.medicare;
    }
    f.line5aTax = atRate(f.line5aWages, kSocSecBoth);
    f.line5bTax = atRate(f.line5bTips, kSocSecBoth);
    f.line5cTax = atRate(f.line5cWages, kMedicareBoth);
    f.line5d = f.line5aTax + f.line5bTax + f.line5cTax;
    f.line6 = f.line3 + f.line5d;
    // The employer pays half of 5d; what was withheld is the other half as actually taken.
    f.line7a = withheld - atRate(f.line5d, 5000);
    f.line8 = f.line6 + f.line7a;
    return f;
}

FormW2 w2Of(const RegisterLine& l) {
    FormW2 w;
    w.employee = l.employee;
    w.box1 = l.wages.federal;
    w.box2 = l.amounts.federal;
    w.box3 = l.wages.socSecWages;
    w.box4 = l.amounts.socSec;
    w.box5 = l.wages.medicare;
    w.box6 = l.amounts.medicare;
    w.box7 = l.wages.socSecTips;
    w.box12D = l.amounts.kPlan;
    w.box16 = l.wages.state;
    w.box17 = l.amounts.state;
    w.box18 = l.wages.local;
    w.box19 = l.amounts.city;
    return w;
}

void addW2(FormW2& sum, const FormW2& w) {
    for (auto box : {&FormW2::box1, &FormW2::box2, &FormW2::box3, &FormW2::box4, &FormW2::box5,
                     &FormW2::box6, &FormW2::box7, &FormW2::box12D, &FormW2::box16, &FormW2::box17,
                     &FormW2::box18, &FormW2::box19}) {
        sum.*box = sum.*box + w.*box;
    }
}

void yearForms(PayrollRegister& reg) {
    for (const RegisterLine& l : reg.lines) {
        if (!l.paid || l.status.find("self-employed") != std::string::npos) continue;
        reg.w2.push_back(w2Of(l));
        addW2(reg.w3, reg.w2.back());
        reg.futa = reg.futa + atRate(l.wages.futa, kFutaRate);
    }
    reg.w3.employee = "W-3";
    reg.employerSocSec = atRate(reg.w3.box3 + reg.w3.box7, kSocSecShare);
    reg.employerMedicare = atRate(reg.w3.box5, kMedicareShare);
}

}  // namespace

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
                              const RegisterPeriod& period) {
    PayrollRegister reg;
    reg.period = period;
    for (const EmployeeBooks& books : employees) {
        reg.lines.push_back(EmployeeWalk(books, period, reg.checks).walk());
        if (reg.lines.back().paid) addAmounts(reg.totals, reg.lines.back().amounts);
    }
    if (period.span == RegisterSpan::Quarter) reg.form941 = form941Of(reg.lines);
    if (period.span == RegisterSpan::Year) yearForms(reg);
    return reg;
}

}  // namespace corvanta
