#pragma once

#include <chrono>

namespace corvanta {

using Date = std::chrono::year_month_day;

// A day on which a deposit can be made: neither a Saturday or Sunday nor a legal holiday of
// 2008 (or of January 2009, where the last deposits of 2008 fall).
bool isBankingDay(Date day);

// The day itself, or the first banking day after it.
Date onOrAfterBankingDay(Date day);

// A monthly depositor's deposit of a month's taxes: the 15th of the next month, moved past
// weekends and holidays.
Date monthlyDepositDue(std::chrono::year_month month);

// A semi-weekly depositor's deposit of a payday's taxes: the Wednesday after a payday from
// Wednesday to Friday, the Friday after one from Saturday to Tuesday, moved past weekends
// and holidays.
Date semiWeeklyDepositDue(Date payday);

}  // namespace corvanta
