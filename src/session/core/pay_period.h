#pragma once

#include <array>
#include <chrono>
#include <optional>

#include "records/core/calculator_window.h"
#include "records/core/employee_record.h"
#include "tax/core/federal_table.h"

namespace corvanta {

// The deductions of the profile as the period takes them, rounded to cents.
struct PeriodDeductions {
    float credit = 0;
    float bond = 0;
    float dues = 0;
    float misc = 0;
};

// Everything one calculation produced. Views (the window's texts, the command line, the
// stub, the check, the ledger row) are made from these values, never from each other.
struct PeriodFigures {
    PeriodEntries entries;  // as entered
    PeriodEntry entry;      // as the calculation used them, with the period's rate
    PayResult result;
    PeriodDeductions deductions;
    bool stateRoundsToDollars = false;  // a state method withholds whole dollars
};

// One pay period of one employee, computed from values alone: no file is read, nothing is
// changed. The year-to-date totals are the employee's ledger's. Throws UserError when the
// calculation is refused (an exemption count out of range, a filing status other than Single
// or Married, a gross or net pay too large to show to the cent).
PeriodFigures calculatePeriod(const PeriodEntries& entries, const EmployeeRecord& employee,
                              const FederalTable& federal, float defaultRate);

}  // namespace corvanta
