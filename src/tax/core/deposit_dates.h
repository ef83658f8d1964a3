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
// Wednesday to Friday, the Friday after one from Saturday to Tuesday; a legal holiday among
// the three weekdays after the semi-weekly period adds a day for each.
Date semiWeeklyDepositDue(Date payday);

// The first banking day after the day: when taxes of $100,000 or more gathered by a payday
// are due.
Date nextBankingDay(Date day);

}  // namespace corvanta
