#pragma once

#include <array>
#include <chrono>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "base/core/money.h"
#include "records/company/company.h"
#include "session/payroll/payroll_folder.h"

namespace corvanta {

enum class RegisterSpan { Week, Quarter, Year };

// The period a register covers: a week label as posted, a quarter or a year.
struct RegisterPeriod {
    RegisterSpan span = RegisterSpan::Week;
    std::string week;  // the week label, for a week
    int year = 2008;
    int quarter = 0;  // 1..4, for a quarter
    std::string title;
};

// "2008Q1" for a quarter, "2008" for a year, the label for a week. Throws UserError naming
// the option when the text is not one.
RegisterPeriod registerPeriod(RegisterSpan span, const std::string& text);

// The register's columns for one employee or the totals.
struct RegisterAmounts {
    Currency gross, federal, socSec, medicare, state, city, sdi, sui, deductions, net;
    Currency tips, kPlan, pension;
};

// The wages the forms report, by the calculation's own wage rules.
struct FormWages {
    Currency federal;      // gross less the K plan, pension and cafeteria plan
    Currency socSecWages;  // Social Security wages without tips, capped at the base
    Currency socSecTips;   // tips within what the base leaves
    Currency medicare;     // gross less the cafeteria plan
    Currency state;        // gross less the K plan (and the cafeteria plan where it reduces it)
    Currency local;        // gross less the K plan
    Currency futa;         // the first 7,000 of the year's gross less the cafeteria plan
    // The employee's Social Security and Medicare on tips a paycheck could not hold (its net
    // pay was below zero): owed by her, not withheld.
    Currency uncollectedSocSec, uncollectedMedicare;
};

struct RegisterLine {
    std::string employee;  // the file base name
    std::string name;      // the employee's name
    bool paid = false;
    std::string status;  // "", "exempt", "self-employed" ...
    RegisterAmounts amounts;
    FormWages wages;
    std::vector<std::string> undated;  // labels of rows that are not dates
    std::string pensionLabel;          // the pension deduction's caption
    bool selfEmployed = false;
    bool socSecMedExempt = false;
    // Paid for the pay period that holds the 12th of the quarter's last month (941 line 1).
    bool paidForTwelfth = false;
    int paychecks = 0;
    // Social Security and Medicare withheld where a paycheck's agrees with the tax on its
    // wages to the cent, else the tax on its wages: what line 7a is rounding against.
    Currency heldToTheCent;
    Currency employerSocSec, employerMedicare;  // the employer's shares, paycheck by paycheck
    // What each payday of the period makes the employer owe: the income tax withheld, the
    // Social Security and Medicare withheld and the employer's shares of them.
    std::map<std::chrono::sys_days, Currency> liabilityByPayday;
};

// Something in the ledgers that does not add up; reported, never mended.
struct RegisterCheck {
    std::string employee;
    int row = 0;  // 1-based ledger row
    std::string message;
};

struct Form941 {
    int line1 = 0;
    Currency line2, line3;
    Currency line5aWages, line5aTax, line5bTips, line5bTax, line5cWages, line5cTax;
    Currency line5d, line6;
    Currency line7a;  // the fractions of cents of the quarter's paychecks
    Currency line7c;  // the employee's share on tips not withheld, negative
    Currency line7h;  // the adjustments together
    Currency line8;
};

struct FormW2 {
    std::string employee;
    Currency box1, box2, box3, box4, box5, box6, box7, box12D, box16, box17, box18, box19;
    Currency box12A, box12B;  // uncollected Social Security and Medicare on tips
    Currency box14;           // the pension, under its caption
    std::string box14Label;
};

// What the employer owes for the period beside the wages.
struct EmployerLiabilities {
    Currency federal;                           // income tax withheld
    Currency socSecWithheld, medicareWithheld;  // the employees' shares as withheld
    Currency employerSocSec, employerMedicare;  // the employer's shares
    Currency futa;
    Currency deposit;  // the income tax and both shares of Social Security and Medicare
};

// The rule that sets a deposit's due date.
enum class DepositRule { Monthly, SemiWeekly, NextDay };

// One deposit of federal taxes and when it is due.
struct TaxDeposit {
    std::string what;  // "March 2008" or "payday 3/14/2008"
    Currency amount;
    std::chrono::year_month_day due;
    DepositRule rule = DepositRule::Monthly;
};

struct PayrollRegister {
    RegisterPeriod period;
    std::vector<RegisterLine> lines;
    RegisterAmounts totals;
    std::vector<RegisterCheck> checks;
    std::optional<Form941> form941;  // for a quarter
    std::vector<FormW2> w2;          // for a year
    FormW2 w3;
    Currency futa, employerSocSec, employerMedicare;
    EmployerLiabilities liabilities;  // of a week or a quarter
    DepositSchedule schedule = DepositSchedule::Monthly;
    std::array<Currency, 3> monthlyLiability{};  // a quarter's months, as on the 941
    std::vector<TaxDeposit> deposits;            // of a week or a quarter, by the schedule
    // A monthly depositor whose taxes reached $100,000 by a payday of the period deposits
    // semi-weekly from then on, and reports the quarter on Schedule B.
    bool becameSemiWeekly = false;
    // The payday of an earlier period of the year whose taxes reached $100,000: the monthly
    // depositor deposits and files this period semi-weekly.
    std::optional<std::chrono::year_month_day> semiWeeklySince;
};

inline constexpr double kFutaWageBase = 7000.0;

// The register of the period over the employees, with the forms' figures of its span and
// the deposits of the employer's schedule.
PayrollRegister buildRegister(const std::vector<EmployeeBooks>& employees,
                              const RegisterPeriod& period,
                              DepositSchedule schedule = DepositSchedule::Monthly);

// "3/14/2008".
std::string dateText(std::chrono::year_month_day day);

// The week labels posted in the ledgers, each once: dated ones in date order, then the others
// in the order first met. The choices of a week's register.
std::vector<std::string> postedWeeks(const std::vector<EmployeeBooks>& employees);

// An amount as the register and its checks show it, "1,234.56", "0.50".
std::string registerAmount(Currency c);

// The amount at a rate in ten-thousandths (1240 for 12.4%), to the cent.
Currency atRate(Currency amount, int tenThousandths);

}  // namespace corvanta
