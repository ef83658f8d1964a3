#pragma once

#include <functional>

#include "records/print/print_column_model.h"
#include "session/forms/year_filings.h"
#include "session/payroll/register_figures.h"

namespace corvanta {

// The three copies of a W-2 an employer hands the employee.
enum class W2Copy { B, C, Two };

// One copy of one employee's W-2 on plain paper, laid out as a substitute employee copy:
// every box with its number and caption in the form's order, the employer's and the
// employee's names, addresses and numbers, and the tax year.
void printW2Copy(const EmployeeW2& w2, const YearFilings& filings, W2Copy copy,
                 PrintColumnModel& out);

// Copies B, C and 2 of every employee, each copy a printout of its own: `startPrintout`
// runs before each.
void printW2Copies(const YearFilings& filings, PrintColumnModel& out,
                   const std::function<void()>& startPrintout);

// The W-3 totals, for the employer's records.
void printW3(const YearFilings& filings, PrintColumnModel& out);

// The quarter's 941 as a worksheet, line by line as the form numbers them, with the monthly
// liabilities and the deposits due.
void print941Worksheet(const PayrollRegister& quarter, const Company& company,
                       PrintColumnModel& out);

// The year's 940 as a worksheet, line by line.
void print940Worksheet(const YearFilings& filings, PrintColumnModel& out);

}  // namespace corvanta
