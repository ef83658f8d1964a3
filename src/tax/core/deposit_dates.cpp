#include "tax/core/deposit_dates.h"

#include <algorithm>
#include <array>

namespace corvanta {
namespace {

using namespace std::chrono;

// The legal holidays of the District of Columbia that move a 2008 deposit: those of 2008,
// and those of January 2009 (inauguration day among them) for the last deposits of the year.
constexpr std::array<year_month_day, 14> kHolidays{
    2008y / January / 1,   2008y / January / 21,  2008y / February / 18, 2008y / April / 16,
    2008y / May / 26,      2008y / July / 4,      2008y / September / 1, 2008y / October / 13,
    2008y / November / 11, 2008y / November / 27, 2008y / December / 25, 2009y / January / 1,
    2009y / January / 19,  2009y / January / 20};

}  // namespace

bool isBankingDay(Date day) {
    const weekday wd{sys_days(day)};
    if (wd == Saturday || wd == Sunday) return false;
    return std::find(kHolidays.begin(), kHolidays.end(), day) == kHolidays.end();
}

Date onOrAfterBankingDay(Date day) {
    sys_days d(day);
    while (!isBankingDay(Date(d))) d += days(1);
    return Date{d};
}

Date monthlyDepositDue(year_month month) {
    const year_month next = month + months(1);
    return onOrAfterBankingDay(next / 15);
}

Date semiWeeklyDepositDue(Date payday) {
    // The payday's semi-weekly period ends on the Friday (paydays Wednesday to Friday) or the
    // Tuesday (Saturday to Tuesday) after it; the deposit is due three banking days later, so
    // a holiday among those days adds a day, as the deposit rules give it.
    const sys_days d(payday);
    const weekday wd{d};
    const bool midWeek = wd == Wednesday || wd == Thursday || wd == Friday;
    const weekday periodEnd = midWeek ? Friday : Tuesday;
    sys_days due = d;
    while (weekday(due) != periodEnd) due += days(1);
    for (int banking = 0; banking < 3;) {
        due += days(1);
        if (isBankingDay(Date(due))) ++banking;
    }
    return Date{due};
}

Date nextBankingDay(Date day) { return onOrAfterBankingDay(Date(sys_days(day) + days(1))); }

}  // namespace corvanta
