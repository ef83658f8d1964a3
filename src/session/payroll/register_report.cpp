#include "session/payroll/register_report.h"

#include <algorithm>

namespace corvanta {
namespace {

std::string ruleText(DepositRule rule) {
    switch (rule) {
        case DepositRule::Monthly:
            return "monthly";
        case DepositRule::SemiWeekly:
            return "semi-weekly";
        case DepositRule::NextDay:
            return "next day";
    }
    return "monthly";
}

const std::vector<std::string> kColumns{"Employee",   "Name",  "Gross", "Federal", "Soc Sec",
                                        "Medicare",   "State", "City",  "SDI",     "SUI",
                                        "Deductions", "Net",   "Status"};

std::vector<std::string> amountCells(const RegisterAmounts& a) {
    std::vector<std::string> cells;
    for (const Currency c : {a.gross, a.federal, a.socSec, a.medicare, a.state, a.city, a.sdi,
                             a.sui, a.deductions, a.net}) {
        cells.push_back(registerAmount(c));
    }
    return cells;
}

std::string statusText(const RegisterLine& l, RegisterSpan span) {
    std::string s = l.paid ? l.status : "not paid";
    if (!l.paid && !l.status.empty()) s += ", " + l.status;
    if (!l.undated.empty() && span != RegisterSpan::Week) {
        s += (s.empty() ? "" : ", ") + std::to_string(l.undated.size()) + " undated row" +
             (l.undated.size() == 1 ? "" : "s");
    }
    return s;
}

void row941(RegisterTable& t, const std::string& label, Currency amount) {
    t.push_back({label, registerAmount(amount)});
}

void forms941(RegisterTable& t, const Form941& f) {
    t.push_back(
        {"Form 941 line 1, employees paid for the period of the 12th", std::to_string(f.line1)});
    row941(t, "Line 2, wages, tips and other compensation", f.line2);
    row941(t, "Line 3, federal income tax withheld", f.line3);
    row941(t, "Line 5a, taxable Social Security wages", f.line5aWages);
    row941(t, "Line 5a, x .124", f.line5aTax);
    row941(t, "Line 5b, taxable Social Security tips", f.line5bTips);
    row941(t, "Line 5b, x .124", f.line5bTax);
    row941(t, "Line 5c, taxable Medicare wages and tips", f.line5cWages);
    row941(t, "Line 5c, x .029", f.line5cTax);
    row941(t, "Line 5d, total Social Security and Medicare taxes", f.line5d);
    row941(t, "Line 6, total taxes before adjustments", f.line6);
    row941(t, "Line 7a, current quarter's fractions of cents", f.line7a);
    row941(t, "Line 7c, current quarter's adjustments for tips", f.line7c);
    row941(t, "Line 7h, total adjustments", f.line7h);
    row941(t, "Line 8, total taxes after adjustments", f.line8);
}

std::vector<std::string> w2Cells(const FormW2& w) {
    std::vector<std::string> cells{w.employee};
    for (const Currency c : {w.box1, w.box2, w.box3, w.box4, w.box5, w.box6, w.box7, w.box12A,
                             w.box12B, w.box12D, w.box14, w.box16, w.box17, w.box18, w.box19}) {
        cells.push_back(registerAmount(c));
    }
    return cells;
}

void formsYear(RegisterTable& t, const PayrollRegister& reg) {
    t.push_back({"W-2", "Box 1", "Box 2", "Box 3", "Box 4", "Box 5", "Box 6", "Box 7", "Box 12 A",
                 "Box 12 B", "Box 12 D", "Box 14", "Box 16", "Box 17", "Box 18", "Box 19"});
    for (const FormW2& w : reg.w2) t.push_back(w2Cells(w));
    t.push_back(w2Cells(reg.w3));
    t.push_back({"FUTA 0.8%", registerAmount(reg.futa)});
    t.push_back({"Employer SS", registerAmount(reg.employerSocSec)});
    t.push_back({"Employer Med", registerAmount(reg.employerMedicare)});
}

void formsLiabilities(RegisterTable& t, const PayrollRegister& reg) {
    const EmployerLiabilities& l = reg.liabilities;
    t.push_back({"Employer's Social Security", registerAmount(l.employerSocSec)});
    t.push_back({"Employer's Medicare", registerAmount(l.employerMedicare)});
    t.push_back({"FUTA 0.8%", registerAmount(l.futa)});
    t.push_back({"Deposit (income tax, Social Security, Medicare)", registerAmount(l.deposit)});
    if (reg.form941) {
        for (std::size_t i = 0; i < reg.monthlyLiability.size(); ++i) {
            t.push_back({"Line 15, tax liability month " + std::to_string(i + 1),
                         registerAmount(reg.monthlyLiability.at(i))});
        }
    }
    for (const TaxDeposit& d : reg.deposits) {
        t.push_back(
            {"Deposit for " + d.what + " (" + ruleText(d.rule) + "), due " + dateText(d.due),
             registerAmount(d.amount)});
    }
}

// Column widths of a table: the widest cell of each column, plus a gap.
std::vector<int> widths(const RegisterTable& t) {
    std::vector<int> w;
    for (const auto& row : t) {
        if (row.size() > w.size()) w.resize(row.size(), 0);
        for (std::size_t i = 0; i < row.size(); ++i) {
            w[i] = std::max(w[i], static_cast<int>(row[i].size()) + 2);
        }
    }
    return w;
}

void printTable(const RegisterTable& t, PrintColumnModel& out) {
    const std::vector<int> w = widths(t);
    for (const auto& row : t) {
        int column = 1;
        for (std::size_t i = 0; i < row.size(); ++i) {
            out.tab(column);
            out.write(row[i]);
            column += w[i];
        }
        out.endLine();
    }
}

}  // namespace

RegisterTable registerTable(const PayrollRegister& reg) {
    RegisterTable t{kColumns};
    for (const RegisterLine& l : reg.lines) {
        std::vector<std::string> row{l.employee, l.name};
        const auto cells = amountCells(l.amounts);
        row.insert(row.end(), cells.begin(), cells.end());
        row.push_back(statusText(l, reg.period.span));
        t.push_back(row);
    }
    std::vector<std::string> totals{"Totals", ""};
    const auto cells = amountCells(reg.totals);
    totals.insert(totals.end(), cells.begin(), cells.end());
    t.push_back(totals);
    return t;
}

RegisterTable formsTable(const PayrollRegister& reg) {
    RegisterTable t;
    if (reg.form941) forms941(t, *reg.form941);
    if (reg.period.span == RegisterSpan::Year) formsYear(t, reg);
    if (reg.period.span != RegisterSpan::Year) formsLiabilities(t, reg);
    return t;
}

std::vector<std::string> checkLines(const PayrollRegister& reg) {
    std::vector<std::string> lines;
    for (const RegisterCheck& c : reg.checks) {
        lines.push_back(c.employee + " row " + std::to_string(c.row) + ": " + c.message);
    }
    for (const RegisterLine& l : reg.lines) {
        for (const std::string& label : l.undated) {
            lines.push_back(l.employee + ": the row \"" + label +
                            "\" is not dated and is in no quarter or year");
        }
    }
    return lines;
}

void printRegister(const PayrollRegister& reg, PrintColumnModel& out) {
    out.setOrientation(PageOrientation::Landscape);
    out.setFontName("Courier New");
    out.setFontSize(8);
    out.write("Payroll register " + reg.period.title);
    out.endLine();
    out.endLine();
    printTable(registerTable(reg), out);
    const RegisterTable forms = formsTable(reg);
    if (!forms.empty()) {
        out.endLine();
        printTable(forms, out);
    }
    const auto checks = checkLines(reg);
    if (!checks.empty()) {
        out.endLine();
        out.write("Checks:");
        out.endLine();
        for (const std::string& c : checks) {
            out.write(c);
            out.endLine();
        }
    }
    out.endDocument();
}

}  // namespace corvanta
