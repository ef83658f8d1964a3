#pragma once

#include <array>
#include <string>
#include <vector>

#include "records/company/company.h"
#include "session/forms/form_people.h"
#include "session/payroll/register_figures.h"

namespace corvanta {

// One employee's W-2: who she is and her boxes.
struct EmployeeW2 {
    std::string fileName;  // the employee's file base name
    FormPerson person;
    bool retirementPlan = false;  // box 13: a K plan or pension deduction in the year
    FormW2 boxes;
};

// The 940's figures, by its lines.
struct Form940 {
    Currency line3;   // total payments to all employees
    Currency line4a;  // fringe benefits (the cafeteria plan)
    Currency line4e;  // other: pay of those exempt from Social Security and Medicare
    Currency line4;   // payments exempt from FUTA tax
    Currency line5;   // payments above the 7,000 FUTA wage base
    Currency line6;   // subtotal, lines 4 and 5
    Currency line7;   // total taxable FUTA wages
    Currency line8;   // FUTA tax before adjustments, 0.8% of line 7
    Currency line12;  // total FUTA tax after adjustments
    std::array<Currency, 4> line16{};  // FUTA liability by quarter
    Currency line17;                   // the year's liability, equal to line 12
};

// Everything the year's filings of one employer hold.
struct YearFilings {
    int year = 2008;
    Company company;
    std::vector<EmployeeW2> w2;
    FormW2 w3;
    Form940 form940;
    std::vector<std::string> checks;  // what the register found that does not add up
};

// The year's W-2s, W-3 and 940 over the employees' ledgers; the self-employed have none.
YearFilings yearFilings(const std::vector<EmployeeBooks>& employees, int year,
                        const Company& company);

}  // namespace corvanta
