#include "session/forms/year_filings.h"

#include <algorithm>

#include "session/payroll/register_report.h"

namespace corvanta {
namespace {

constexpr int kFutaRate = 80;  // 0.8%, in ten-thousandths

const EmployeeBooks* booksOf(const std::vector<EmployeeBooks>& employees, const std::string& name) {
    const auto it = std::find_if(employees.begin(), employees.end(),
                                 [&name](const EmployeeBooks& b) { return b.name == name; });
    return it == employees.end() ? nullptr : &*it;
}

Form940 form940Of(const PayrollRegister& year, const std::vector<EmployeeBooks>& employees) {
    Form940 f;
    for (const RegisterLine& l : year.lines) {
        if (!l.paid || l.selfEmployed) continue;
        f.line3 = f.line3 + l.amounts.gross;
        if (l.socSecMedExempt) {
            f.line4e = f.line4e + l.amounts.gross;
            continue;
        }
        f.line4a = f.line4a + l.amounts.gross - l.wages.medicare;
        f.line5 = f.line5 + l.wages.medicare - l.wages.futa;
    }
    f.line4 = f.line4a + f.line4e;
    f.line6 = f.line4 + f.line5;
    f.line7 = f.line3 - f.line6;
    f.line8 = atRate(f.line7, kFutaRate);
    f.line12 = f.line8;
    Currency total;
    for (int q = 0; q < 4; ++q) {
        const RegisterPeriod period = registerPeriod(
            RegisterSpan::Quarter, std::to_string(year.period.year) + "Q" + std::to_string(q + 1));
        f.line16.at(q) = buildRegister(employees, period).liabilities.futa;
        total = total + f.line16.at(q);
    }
    // Each quarter's tax is rounded on its own: the cents between go to the last quarter with
    // tax, so that line 17 equals line 12 as the form requires.
    for (int q = 3; q >= 0; --q) {
        if (f.line16.at(q) != Currency{}) {
            f.line16.at(q) = f.line16.at(q) + f.line12 - total;
            break;
        }
    }
    for (const Currency c : f.line16) f.line17 = f.line17 + c;
    return f;
}

}  // namespace

YearFilings yearFilings(const std::vector<EmployeeBooks>& employees, int year,
                        const Company& company) {
    YearFilings filings;
    filings.year = year;
    filings.company = company;
    const PayrollRegister reg =
        buildRegister(employees, registerPeriod(RegisterSpan::Year, std::to_string(year)));
    for (const FormW2& boxes : reg.w2) {
        EmployeeW2 w;
        w.fileName = boxes.employee;
        w.boxes = boxes;
        if (const EmployeeBooks* b = booksOf(employees, boxes.employee)) {
            w.person = formPerson(b->profile);
        }
        w.retirementPlan = boxes.box12D != Currency{} || boxes.box14 != Currency{};
        filings.w2.push_back(w);
    }
    filings.w3 = reg.w3;
    filings.form940 = form940Of(reg, employees);
    filings.checks = checkLines(reg);
    return filings;
}

}  // namespace corvanta
