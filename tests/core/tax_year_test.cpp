#include "tax/core/tax_year.h"

#include <gtest/gtest.h>

#include "support/case_names.h"

namespace corvanta {
namespace {

struct YearCase {
    const char* week;
    PayDateYear year;
};

void PrintTo(const YearCase& c, std::ostream* os) { *os << '"' << c.week << '"'; }

class PayDateYearTest : public ::testing::TestWithParam<YearCase> {};

TEST_P(PayDateYearTest, IsJudgedAgainstTheTablesYear) {
    const YearCase& c = GetParam();
    EXPECT_EQ(payDateYear(c.week), c.year) << c.week;
    EXPECT_EQ(taxYearNotice(c.week).empty(), c.year == PayDateYear::InTablesYear) << c.week;
}

INSTANTIATE_TEST_SUITE_P(Dates, PayDateYearTest,
                         ::testing::Values(YearCase{"1/1/2008", PayDateYear::InTablesYear},
                                           YearCase{"12/31/2008", PayDateYear::InTablesYear},
                                           YearCase{"1/4/2008  ",
                                                    PayDateYear::InTablesYear},  // a saved period's
                                           YearCase{"12/9/2026", PayDateYear::OtherYear},
                                           YearCase{"12/31/2007", PayDateYear::OtherYear},
                                           YearCase{"13/45/2008", PayDateYear::NotADate},
                                           YearCase{"2/30/2008", PayDateYear::NotADate},
                                           YearCase{"Week 1", PayDateYear::NotADate},
                                           YearCase{"", PayDateYear::NotADate}),
                         [](const auto& info) { return testing::testNameOf(info.param.week); });

TEST(TaxYearNotice, SaysTheYearAndWhatItMeans) {
    EXPECT_EQ(taxYearNotice("12/9/2026"),
              "12/9/2026 is not in 2008, the tax tables' year; the 2008 register and forms leave "
              "it out.");
    EXPECT_NE(taxYearNotice("13/45/2008").find("is not a date"), std::string::npos);
}

TEST(TaxYearNotice, InAFewWordsBesideTheDateBox) {
    EXPECT_EQ(taxYearShortNotice("12/9/2026"), "Pay date not in 2008");
    EXPECT_EQ(taxYearShortNotice("13/45/2008"), "Pay date: not a date");
    EXPECT_EQ(taxYearShortNotice("1/4/2008"), "");
}

}  // namespace
}  // namespace corvanta
