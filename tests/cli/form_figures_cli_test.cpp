// The filings' figures from the register: who line 1 counts, what the exempt are left out of,
// what line 7a may hold, tips that could not be withheld and the pension's box, each against
// figures worked out by hand from the rows written here.
#include <gtest/gtest.h>

#include "support/folder_bytes.h"
#include "support/ledger_writer.h"

namespace corvanta::testing {
namespace {

void exemptFromFica(EmployeeProfile& p) { p.SocSecMedExempt = 1; }
void selfEmployed(EmployeeProfile& p) { p.SelfEmployed = 1; }

TEST(Form941Line1, CountsThosePaidForThePeriodHoldingTheTwelfthOfTheLastMonth) {
    TempFolder folder;
    const auto paid = [](const char* week) { return PostedRow{week, 100, 0, 6.2f, 1.45f}; };
    // Weekly 3/8 to 3/14 holds the 12th; 3/1 to 3/7 and 3/15 to 3/21 do not.
    writeLedgerEmployee(folder, "a", {paid("1/4/2008"), paid("3/14/2008")});
    writeLedgerEmployee(folder, "b", {paid("3/7/2008"), paid("3/21/2008")});
    // Bi-weekly 3/8 to 3/21 holds it; 2/23 to 3/7 does not.
    writeLedgerEmployee(folder, "c", {paid("3/21/2008")}, makeBiWeekly);
    writeLedgerEmployee(folder, "d", {paid("3/7/2008")}, makeBiWeekly);
    writeLedgerEmployee(folder, "e", {paid("1/4/2008")});   // gone before March
    writeLedgerEmployee(folder, "f", {paid("3/28/2008")});  // hired after the 12th
    writeLedgerEmployee(folder, "g", {paid("3/14/2008")}, selfEmployed);
    const auto f = folderRegister(folder, "--quarter", "2008Q1")["form941"];
    EXPECT_EQ(f["line1"], 2);
    EXPECT_DOUBLE_EQ(f["line2"], 800.0);  // every employee's wages but the self-employed's
}

TEST(ExemptEmployees, AreLeftOutOfWhatTheyAreExemptFrom) {
    TempFolder folder;
    writeLedgerEmployee(folder, "ex", {{"1/4/2008", 1000, 100, 0, 0}}, exemptFromFica);
    writeLedgerEmployee(folder, "fx", {{"1/4/2008", 1000, 0, 62, 14.5f}},
                        [](EmployeeProfile& p) { p.FedExempt = 1; });
    const auto y = folderRegister(folder, "--year", "2008");
    ASSERT_EQ(y["w2"].size(), 2U);
    const auto& ex = y["w2"][0];
    EXPECT_DOUBLE_EQ(ex["box1"], 1000.0);
    EXPECT_DOUBLE_EQ(ex["box3"], 0.0);
    EXPECT_DOUBLE_EQ(ex["box5"], 0.0);
    EXPECT_DOUBLE_EQ(y["w2"][1]["box2"], 0.0);
    EXPECT_DOUBLE_EQ(y["w3"]["box3"], 1000.0);
    EXPECT_DOUBLE_EQ(y["w3"]["box5"], 1000.0);
    // Those exempt from Social Security and Medicare are exempt from FUTA too.
    EXPECT_DOUBLE_EQ(y["futa"], 8.0);
    EXPECT_DOUBLE_EQ(y["employerSocialSecurity"], 62.0);
    EXPECT_DOUBLE_EQ(y["employerMedicare"], 14.5);
    EXPECT_NE(y["employees"][0]["status"].get<std::string>().find("Social Security"),
              std::string::npos);
    const auto q = folderRegister(folder, "--quarter", "2008Q1")["form941"];
    EXPECT_DOUBLE_EQ(q["line5a"][0], 1000.0);
    EXPECT_DOUBLE_EQ(q["line5c"][0], 1000.0);
    EXPECT_EQ(q["line1"], 0);  // nobody paid in March
}

TEST(Form941Line7a, HoldsOnlyTheRoundingOfThePaychecks) {
    TempFolder folder;
    // 248.00 of Social Security was not withheld: an error, not a fraction of a cent.
    writeLedgerEmployee(folder, "short", {{"1/4/2008", 4000, 400, 0, 58}});
    // 100.10 at 6.2% is 6.2062: the paycheck's rounding.
    writeLedgerEmployee(folder, "ok", {{"1/4/2008", 100.1f, 0, 6.21f, 1.45f}});
    const auto reg = folderRegister(folder, "--quarter", "2008Q1");
    const auto f = reg["form941"];
    EXPECT_DOUBLE_EQ(f["line5d"], 508.41 + 118.90);
    EXPECT_LE(std::abs(f["line7a"].get<double>()), 0.02);
    EXPECT_DOUBLE_EQ(f["line8"], f["line6"].get<double>() + f["line7a"].get<double>());
    EXPECT_DOUBLE_EQ(f["line8"], 400.0 + 627.31);
    const std::string checks = allChecks(reg);
    EXPECT_NE(checks.find("short"), std::string::npos) << checks;
    EXPECT_NE(checks.find("248.00"), std::string::npos) << checks;
    EXPECT_EQ(checks.find("ok row"), std::string::npos) << checks;
}

TEST(TipsNotWithheld, GoInBox12AAndBAndOnLine7c) {
    TempFolder folder;
    // 190.00 of the 200.00 are tips the employee holds: the check would be -10.30.
    writeLedgerEmployee(folder, "tipper",
                        {{"1/4/2008", 200, 5, 12.4f, 2.9f, 0, 0, 0, 190, 0, 0, -10.3f}});
    const auto y = folderRegister(folder, "--year", "2008");
    const auto& w = y["w2"][0];
    EXPECT_DOUBLE_EQ(w["box12A"], 10.3);  // Social Security on the tips first
    EXPECT_DOUBLE_EQ(w["box12B"], 0.0);
    EXPECT_DOUBLE_EQ(w["box4"], 2.1);
    EXPECT_DOUBLE_EQ(w["box6"], 2.9);
    EXPECT_DOUBLE_EQ(w["box7"], 190.0);
    const auto f = folderRegister(folder, "--quarter", "2008Q1")["form941"];
    EXPECT_DOUBLE_EQ(f["line7a"], 0.0);
    EXPECT_DOUBLE_EQ(f["line7c"], -10.3);
    EXPECT_DOUBLE_EQ(f["line8"], 5.0 + 30.6 - 10.3);
}

TEST(PensionOnTheW2, IsInBox14UnderTheDeductionsCaption) {
    TempFolder folder;
    writeLedgerEmployee(folder, "pen", {{"1/4/2008", 1000, 0, 62, 14.5f, 0, 50}},
                        [](EmployeeProfile& p) { p.PensionLabel = "Teachers' pension"; });
    const auto w = folderRegister(folder, "--year", "2008")["w2"][0];
    EXPECT_DOUBLE_EQ(w["box1"], 950.0);
    EXPECT_EQ(w["box14"]["label"], "Teachers' pension");
    EXPECT_DOUBLE_EQ(w["box14"]["amount"], 50.0);
}

class PaidTwiceTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_.copyFederalTable();
        const auto rate = [](EmployeeProfile& p) { p.HourlyRate = 12.5f; };
        writeLedgerEmployee(folder_, "ann", {}, rate);
        writeLedgerEmployee(folder_, "bo", {}, rate);
        sheets_.write("week.csv", "employee,straight\r\nann,40\r\nbo,38\r\n");
    }
    CliResult runWeek() const {
        return runCli({"run", "--hours", (sheets_ / "week.csv").string(), "--week", "1/4/2008",
                       "--post", "next", "--dir", folder_.path()});
    }
    TempFolder folder_;
    TempFolder sheets_;
};

TEST_F(PaidTwiceTest, ASecondRunOfTheSameWeekIsRefusedWithEveryRowNamed) {
    ASSERT_EQ(runWeek().exitCode, 0);
    const auto before = folderBytes(folder_.path());
    const CliResult again = runWeek();
    EXPECT_EQ(again.exitCode, 1);
    EXPECT_NE(again.err.find("line 2, ann, week: 1/4/2008 is already posted in row 1"),
              std::string::npos)
        << again.err;
    EXPECT_NE(again.err.find("line 3, bo, week: 1/4/2008 is already posted in row 1"),
              std::string::npos)
        << again.err;
    EXPECT_TRUE(folderBytes(folder_.path()) == before);
}

TEST_F(PaidTwiceTest, CalcRefusesToPostAWeekAlreadyPosted) {
    ASSERT_EQ(runWeek().exitCode, 0);
    const auto before = folderBytes(folder_.path());
    const CliResult r = runCli({"calc", "--dir", folder_.path(), "--user", "ann", "--straight",
                                "40", "--week", "1/4/2008", "--post", "2"});
    EXPECT_NE(r.exitCode, 0);
    EXPECT_NE(r.err.find("1/4/2008 is already posted in row 1"), std::string::npos) << r.err;
    EXPECT_TRUE(folderBytes(folder_.path()) == before);
}

}  // namespace
}  // namespace corvanta::testing
