// What the employer owes beside the wages: its shares of Social Security and Medicare, FUTA,
// the deposits of the week and the quarter and when each is due by the company's schedule.
#include <gtest/gtest.h>

#include "records/print/text_page.h"
#include "session/company/company_file.h"
#include "session/forms/form_printouts.h"
#include "session/payroll/payroll_folder.h"
#include "session/payroll/register_report.h"
#include "support/ledger_writer.h"

namespace corvanta::testing {
namespace {

void writeDepositSchedule(const TempFolder& folder, DepositSchedule s) {
    Company company;
    company.name = "Corvanta Test Co";
    company.deposits = s;
    writeCompany(folder.path(), company);
}

class LiabilitiesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        writeLedgerEmployee(
            folder_, "a",
            {{"1/4/2008", 1000, 100, 62, 14.5f}, {"3/14/2008", 1000, 100, 62, 14.5f}});
        writeLedgerEmployee(folder_, "b", {{"2/8/2008", 500, 50, 0, 0}},
                            [](EmployeeProfile& p) { p.SocSecMedExempt = 1; });
        // FUTA stops at 7,000 of the year: 1,000 of her second quarter is left.
        writeLedgerEmployee(
            folder_, "c", {{"1/4/2008", 6000, 600, 372, 87}, {"4/4/2008", 3000, 300, 186, 43.5f}});
    }
    void useSchedule(DepositSchedule s) const { writeDepositSchedule(folder_, s); }
    TempFolder folder_;
};

TEST_F(LiabilitiesTest, TheWeekAddsTheEmployersSharesFutaAndTheDeposit) {
    const auto l = folderRegister(folder_, "--week", "1/4/2008")["liabilities"];
    EXPECT_DOUBLE_EQ(l["federal"], 700.0);
    EXPECT_DOUBLE_EQ(l["socialSecurityWithheld"], 434.0);
    EXPECT_DOUBLE_EQ(l["medicareWithheld"], 101.5);
    EXPECT_DOUBLE_EQ(l["employerSocialSecurity"], 434.0);
    EXPECT_DOUBLE_EQ(l["employerMedicare"], 101.5);
    EXPECT_DOUBLE_EQ(l["futa"], 56.0);
    EXPECT_DOUBLE_EQ(l["deposit"], 700.0 + 2 * 434.0 + 2 * 101.5);
}

TEST_F(LiabilitiesTest, TheQuarterGivesTheMonthsAndTheMonthlyDepositsDue) {
    const auto reg = folderRegister(folder_, "--quarter", "2008Q1");
    const auto months = reg["monthlyLiability"];
    EXPECT_DOUBLE_EQ(months[0], 253.0 + 1518.0);
    EXPECT_DOUBLE_EQ(months[1], 50.0);
    EXPECT_DOUBLE_EQ(months[2], 253.0);
    EXPECT_DOUBLE_EQ(months[0].get<double>() + months[1].get<double>() + months[2].get<double>(),
                     reg["form941"]["line8"].get<double>());
    const auto d = reg["deposits"];
    ASSERT_EQ(d.size(), 3U);
    EXPECT_EQ(d[0]["for"], "January 2008");
    EXPECT_EQ(d[0]["due"], "2/15/2008");
    EXPECT_EQ(d[1]["due"], "3/17/2008");  // the 15th is a Saturday
    EXPECT_EQ(d[2]["due"], "4/15/2008");
    EXPECT_DOUBLE_EQ(d[1]["amount"], 50.0);
    EXPECT_DOUBLE_EQ(reg["liabilities"]["futa"], 2000 * 0.008 + 6000 * 0.008);
    EXPECT_DOUBLE_EQ(folderRegister(folder_, "--quarter", "2008Q2")["liabilities"]["futa"], 8.0);
}

TEST_F(LiabilitiesTest, ASemiWeeklyDepositorDepositsEachPaydayByItsOwnDay) {
    useSchedule(DepositSchedule::SemiWeekly);
    const auto reg = folderRegister(folder_, "--quarter", "2008Q1");
    EXPECT_EQ(reg["depositSchedule"], "semi-weekly");
    const auto d = reg["deposits"];
    ASSERT_EQ(d.size(), 3U);
    EXPECT_EQ(d[0]["for"], "payday 1/4/2008");
    EXPECT_EQ(d[0]["due"], "1/9/2008");
    EXPECT_DOUBLE_EQ(d[0]["amount"], 253.0 + 1518.0);
    EXPECT_EQ(d[1]["due"], "2/13/2008");
    EXPECT_EQ(d[2]["due"], "3/19/2008");
}

// Three employees whose every payday gathers 60,000.00 of taxes (18,470.00 withheld, and
// twice 620.00 and 145.00 of Social Security and Medicare each).
class NextDayDepositTest : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const char* name : {"x", "y", "z"}) {
            writeLedgerEmployee(folder_, name,
                                {{"1/4/2008", 10000, 18470, 620, 145},
                                 {"2/1/2008", 10000, 18470, 620, 145},
                                 {"2/8/2008", 10000, 18470, 620, 145},
                                 {"2/15/2008", 10000, 18470, 620, 145},
                                 {"4/4/2008", 1000, 100, 62, 14.5f}});
        }
    }
    void useSchedule(DepositSchedule s) const { writeDepositSchedule(folder_, s); }
    TempFolder folder_;
};

TEST_F(NextDayDepositTest, AMonthlyDepositorReachingAHundredThousandDepositsNextDayThenSemiWeekly) {
    useSchedule(DepositSchedule::Monthly);
    const auto reg = folderRegister(folder_, "--quarter", "2008Q1");
    const auto d = reg["deposits"];
    ASSERT_EQ(d.size(), 3U) << d.dump();
    EXPECT_EQ(d[0]["for"], "January 2008");
    EXPECT_DOUBLE_EQ(d[0]["amount"], 60000.0);
    EXPECT_EQ(d[0]["due"], "2/15/2008");
    // February's first two paydays gather 120,000.00 on 2/8: due Monday 2/11.
    EXPECT_EQ(d[1]["for"], "payday 2/8/2008 (taxes of $100,000 or more)");
    EXPECT_DOUBLE_EQ(d[1]["amount"], 120000.0);
    EXPECT_EQ(d[1]["due"], "2/11/2008");
    // Semi-weekly from then on: Friday's taxes on the Wednesday after, a day later for
    // Presidents' Day.
    EXPECT_EQ(d[2]["for"], "payday 2/15/2008");
    EXPECT_DOUBLE_EQ(d[2]["amount"], 60000.0);
    EXPECT_EQ(d[2]["due"], "2/21/2008");
    double total = 0;
    for (const auto& deposit : d) total += deposit["amount"].get<double>();
    EXPECT_DOUBLE_EQ(total, reg["form941"]["line8"].get<double>());

    // The 941 goes with Schedule B, not with line 15's months.
    Company company;
    company.name = "Corvanta Test Co";
    const PayrollRegister quarter =
        buildRegister(readPayrollFolder(folder_.path()),
                      registerPeriod(RegisterSpan::Quarter, "2008Q1"), DepositSchedule::Monthly);
    EXPECT_TRUE(quarter.becameSemiWeekly);
    TextPage page;
    print941Worksheet(quarter, company, page);
    EXPECT_NE(page.text().find("Schedule B"), std::string::npos) << page.text();
    EXPECT_EQ(page.text().find("Month 1"), std::string::npos) << page.text();
}

TEST_F(NextDayDepositTest, ASemiWeeklyDepositorBelowAHundredThousandAPaydayKeepsItsDays) {
    useSchedule(DepositSchedule::SemiWeekly);
    const auto d = folderRegister(folder_, "--quarter", "2008Q1")["deposits"];
    ASSERT_EQ(d.size(), 4U) << d.dump();
    EXPECT_EQ(d[0]["due"], "1/9/2008");
    EXPECT_EQ(d[1]["due"], "2/6/2008");
    EXPECT_EQ(d[2]["due"], "2/13/2008");
    EXPECT_EQ(d[3]["due"], "2/21/2008");
}

// Once taxes of $100,000 made a monthly depositor a semi-weekly one, the later quarters of the
// year are deposited and filed semi-weekly too.
TEST_F(NextDayDepositTest, TheLaterQuartersOfTheYearStaySemiWeekly) {
    useSchedule(DepositSchedule::Monthly);
    const auto reg = folderRegister(folder_, "--quarter", "2008Q2");
    EXPECT_EQ(reg["semiWeeklySince"], "2/8/2008") << reg.dump();
    const auto d = reg["deposits"];
    ASSERT_EQ(d.size(), 1U) << d.dump();
    EXPECT_EQ(d[0]["for"], "payday 4/4/2008");
    EXPECT_EQ(d[0]["due"], "4/9/2008");
    EXPECT_DOUBLE_EQ(d[0]["amount"], reg["form941"]["line8"].get<double>());
    const auto week = folderRegister(folder_, "--week", "4/4/2008")["deposits"];
    ASSERT_EQ(week.size(), 1U) << week.dump();
    EXPECT_EQ(week[0]["due"], "4/9/2008");

    Company company;
    company.name = "Corvanta Test Co";
    const PayrollRegister quarter = buildRegister(readPayrollFolder(folder_.path()),
                                                  registerPeriod(RegisterSpan::Quarter, "2008Q2"));
    TextPage report;
    printRegister(quarter, report);
    EXPECT_NE(report.text().find("Deposit for payday 4/4/2008 (semi-weekly), due 4/9/2008"),
              std::string::npos)
        << report.text();
    TextPage page;
    print941Worksheet(quarter, company, page);
    EXPECT_NE(page.text().find("Schedule B"), std::string::npos) << page.text();
    EXPECT_NE(page.text().find("payday 2/8/2008"), std::string::npos) << page.text();
    EXPECT_EQ(page.text().find("Month 1"), std::string::npos) << page.text();
}

// The year before a switch is not touched by it: the first quarter of a year whose switch
// comes later is deposited by the month.
TEST_F(NextDayDepositTest, AQuarterBeforeTheSwitchStaysMonthly) {
    useSchedule(DepositSchedule::Monthly);
    const auto reg = folderRegister(folder_, "--week", "1/4/2008");
    EXPECT_FALSE(reg.contains("semiWeeklySince")) << reg.dump();
    EXPECT_EQ(reg["deposits"][0]["due"], "2/15/2008");
}

}  // namespace
}  // namespace corvanta::testing
