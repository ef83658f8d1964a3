// When the 2008 deposits of federal taxes are due, by either schedule, moved past weekends
// and legal holidays.
#include "tax/core/deposit_dates.h"

#include <gtest/gtest.h>

namespace corvanta::testing {
namespace {

using namespace std::chrono;

struct DueCase {
    const char* what;
    year_month_day from;
    year_month_day due;
};

void PrintTo(const DueCase& c, std::ostream* os) { *os << c.what; }

class MonthlyDeposit : public ::testing::TestWithParam<DueCase> {};

TEST_P(MonthlyDeposit, IsDueOnTheFifteenthOfTheNextMonth) {
    const DueCase& c = GetParam();
    EXPECT_EQ(monthlyDepositDue(c.from.year() / c.from.month()), c.due);
}

INSTANTIATE_TEST_SUITE_P(
    Months, MonthlyDeposit,
    ::testing::Values(DueCase{"January", 2008y / 1 / 1, 2008y / 2 / 15},
                      DueCase{"FebruaryOnASaturday", 2008y / 2 / 1, 2008y / 3 / 17},
                      DueCase{"March", 2008y / 3 / 1, 2008y / 4 / 15},
                      DueCase{"MayOnASunday", 2008y / 5 / 1, 2008y / 6 / 16},
                      DueCase{"OctoberOnASaturday", 2008y / 10 / 1, 2008y / 11 / 17},
                      DueCase{"DecemberInTheNextYear", 2008y / 12 / 1, 2009y / 1 / 15}),
    [](const auto& info) { return std::string(info.param.what); });

class SemiWeeklyDeposit : public ::testing::TestWithParam<DueCase> {};

TEST_P(SemiWeeklyDeposit, IsDueTheWednesdayOrFridayAfter) {
    EXPECT_EQ(semiWeeklyDepositDue(GetParam().from), GetParam().due);
}

INSTANTIATE_TEST_SUITE_P(
    Paydays, SemiWeeklyDeposit,
    ::testing::Values(DueCase{"FridayToWednesday", 2008y / 1 / 4, 2008y / 1 / 9},
                      DueCase{"WednesdayToTheNextWednesday", 2008y / 1 / 2, 2008y / 1 / 9},
                      DueCase{"SaturdayToFriday", 2008y / 1 / 5, 2008y / 1 / 11},
                      DueCase{"TuesdayToFriday", 2008y / 1 / 8, 2008y / 1 / 11},
                      DueCase{"EmancipationDayToThursday", 2008y / 4 / 11, 2008y / 4 / 17},
                      DueCase{"IndependenceDayToMonday", 2008y / 7 / 1, 2008y / 7 / 7},
                      DueCase{"ThanksgivingAmongTheThreeDaysAddsOne", 2008y / 11 / 25,
                              2008y / 12 / 1},
                      DueCase{"KingDayOnTheMondayAddsOne", 2008y / 1 / 18, 2008y / 1 / 24},
                      DueCase{"PresidentsDayAddsOne", 2008y / 2 / 15, 2008y / 2 / 21},
                      DueCase{"LaborDayAddsOne", 2008y / 8 / 29, 2008y / 9 / 4},
                      DueCase{"VeteransDayOnTheTuesdayAddsOne", 2008y / 11 / 7, 2008y / 11 / 13},
                      DueCase{"ChristmasAddsOne", 2008y / 12 / 23, 2008y / 12 / 29},
                      DueCase{"MemorialDayAfterAThursdayAddsOne", 2008y / 5 / 22, 2008y / 5 / 29},
                      DueCase{"NewYearsEveIntoTheNextYear", 2008y / 12 / 31, 2009y / 1 / 7}),
    [](const auto& info) { return std::string(info.param.what); });

TEST(BankingDays, WeekendsAndTheLegalHolidaysAreNot) {
    EXPECT_FALSE(isBankingDay(2008y / 1 / 1));
    EXPECT_FALSE(isBankingDay(2008y / 1 / 21));
    EXPECT_FALSE(isBankingDay(2008y / 12 / 25));
    EXPECT_FALSE(isBankingDay(2008y / 3 / 15));
    EXPECT_TRUE(isBankingDay(2008y / 12 / 26));
    EXPECT_EQ(onOrAfterBankingDay(2008y / 12 / 25), 2008y / 12 / 26);
    EXPECT_EQ(nextBankingDay(2008y / 12 / 24), 2008y / 12 / 26);
    EXPECT_EQ(nextBankingDay(2008y / 1 / 18), 2008y / 1 / 22);
    EXPECT_EQ(nextBankingDay(2008y / 3 / 12), 2008y / 3 / 13);
}

}  // namespace
}  // namespace corvanta::testing
