// The payroll register over a folder: the week, the quarter's 941 lines and the year's W-2
// boxes, each against figures worked out by hand from the rows written here.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "base/files/record_format.h"
#include "session/core/calculate.h"
#include "session/files/new_employee.h"
#include "session/ytd/ledger_file.h"
#include "session/ytd/ledger_ops.h"
#include "support/cli_runner.h"
#include "support/temp_folder.h"

namespace corvanta::testing {
namespace {

struct Row {
    const char* week;
    float gross, federal, socSec, medicare;
    float kPlan = 0, pension = 0, cafeteria = 0, tips = 0, state = 0, city = 0;
};

void writeEmployee(const TempFolder& folder, const std::string& name, const std::vector<Row>& rows,
                   int selfEmployed = 0) {
    PayrollContext ctx = folder.context();
    ctx.employee() = newEmployeeRecord(name);
    // A file name in another code page cannot be the stored name (the files refuse it).
    ctx.profile.EmployeeName = unstorableCharacter(name) ? "Clerk" : name + " Clerk";
    ctx.profile.SelfEmployed = selfEmployed;
    SaveUserFiles(ctx);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        LedgerRow& r = ctx.ledger.rows[i];
        const Row& in = rows[i];
        r.WeekLabel = in.week;
        r.Gross = in.gross;
        r.Federal = in.federal;
        r.SocSec = in.socSec;
        r.Medicare = in.medicare;
        r.KPlan = in.kPlan;
        r.Pension = in.pension;
        r.Cafeteria = in.cafeteria;
        r.Tips = in.tips;
        r.State = in.state;
        r.City = in.city;
        r.Net = in.gross - in.federal - in.socSec - in.medicare;
    }
    showLedgerGrid(ctx.ledger, ctx.profile);
    SaveAnnual(ctx);
}

nlohmann::json registerJson(const TempFolder& folder, const std::string& span,
                            const std::string& period) {
    const CliResult r = runCli({"register", span, period, "--json", "--dir", folder.path()});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    return nlohmann::json::parse(r.out);
}

class RegisterTest : public ::testing::Test {
  protected:
    void SetUp() override {
        // Ann: under the base all year. Bo: crosses the 102,000 base in the second quarter.
        writeEmployee(folder_, "ann",
                      {{"1/4/2008", 1000, 100, 62, 14.5, 50, 0, 0, 0, 30, 5},
                       {"1/11/2008", 1000, 100, 62, 14.5, 50, 0, 0, 0, 30, 5},
                       {"4/4/2008", 500, 40, 31, 7.25, 25, 10, 0, 100, 10, 0}});
        writeEmployee(folder_, "bo",
                      {{"3/28/2008", 100000, 20000, 6200, 1450},
                       {"4/4/2008", 5000, 1000, 124, 72.5, 0, 0, 0, 0, 0, 0}});
        writeEmployee(folder_, "cy", {{"1/4/2008", 300, 0, 37.2, 8.7}}, 1);
    }
    TempFolder folder_;
};

TEST_F(RegisterTest, WeekListsPaidAndUnpaidWithTotals) {
    const auto j = registerJson(folder_, "--week", "1/4/2008");
    ASSERT_EQ(j["employees"].size(), 3u);
    EXPECT_TRUE(j["employees"][0]["paid"]);
    EXPECT_FALSE(j["employees"][1]["paid"]);
    EXPECT_EQ(j["employees"][2]["status"], "self-employed");
    EXPECT_DOUBLE_EQ(j["totals"]["gross"], 1300.0);
    EXPECT_DOUBLE_EQ(j["totals"]["socialSecurity"], 99.2);
    EXPECT_DOUBLE_EQ(j["totals"]["deductions"], 50.0);
}

TEST_F(RegisterTest, QuarterCapsSocialSecurityCountingEarlierQuarters) {
    const auto q1 = registerJson(folder_, "--quarter", "2008Q1")["form941"];
    // Nobody was paid for a period holding March 12 (and the self-employed are not on the 941).
    EXPECT_EQ(q1["line1"], 0);
    EXPECT_DOUBLE_EQ(q1["line2"], 1900.0 + 100000.0);
    EXPECT_DOUBLE_EQ(q1["line3"], 20200.0);
    EXPECT_DOUBLE_EQ(q1["line5a"][0], 102000.0);
    EXPECT_DOUBLE_EQ(q1["line5a"][1], 12648.0);
    EXPECT_DOUBLE_EQ(q1["line5c"][1], 2958.0);

    const auto q2 = registerJson(folder_, "--quarter", "2008Q2")["form941"];
    // Bo has 2,000 of room left; Ann's 500 holds 100 of tips.
    EXPECT_DOUBLE_EQ(q2["line5a"][0], 400.0 + 2000.0);
    EXPECT_DOUBLE_EQ(q2["line5b"][0], 100.0);
    EXPECT_DOUBLE_EQ(q2["line5b"][1], 12.4);
    EXPECT_DOUBLE_EQ(q2["line5c"][0], 5500.0);
    EXPECT_DOUBLE_EQ(q2["line5d"], 297.6 + 12.4 + 159.5);
    // Withheld 31 + 7.25 + 124 + 72.5 = 234.75 against half of 5d, 234.75.
    EXPECT_DOUBLE_EQ(q2["line7a"], 0.0);
    EXPECT_DOUBLE_EQ(q2["line8"], 1040.0 + 469.5);
}

TEST_F(RegisterTest, YearGivesW2BoxesW3AndFuta) {
    const auto j = registerJson(folder_, "--year", "2008");
    ASSERT_EQ(j["w2"].size(), 2u);
    const auto& ann = j["w2"][0];
    EXPECT_EQ(ann["employee"], "ann");
    EXPECT_DOUBLE_EQ(ann["box1"], 2500.0 - 125.0 - 10.0);
    EXPECT_DOUBLE_EQ(ann["box3"], 2400.0);
    EXPECT_DOUBLE_EQ(ann["box7"], 100.0);
    EXPECT_DOUBLE_EQ(ann["box12D"], 125.0);
    EXPECT_DOUBLE_EQ(ann["box16"], 2375.0);
    EXPECT_DOUBLE_EQ(ann["box17"], 70.0);
    EXPECT_DOUBLE_EQ(ann["box19"], 10.0);
    EXPECT_DOUBLE_EQ(j["w2"][1]["box3"], 102000.0);
    EXPECT_DOUBLE_EQ(j["w3"]["box5"], 2500.0 + 105000.0);
    EXPECT_DOUBLE_EQ(j["futa"], (2500.0 + 7000.0) * 0.008);
}

struct CheckCase {
    const char* what;
    std::vector<Row> rows;
    const char* expected;
};

TEST(RegisterChecks, ReportsWhatDoesNotAddUp) {
    const std::vector<CheckCase> cases{
        {"twice",
         {{"1/4/2008", 100, 0, 6.2, 1.45}, {"1/4/2008", 100, 0, 6.2, 1.45}},
         "posted twice"},
        {"order",
         {{"1/11/2008", 100, 0, 6.2, 1.45}, {"1/4/2008", 100, 0, 6.2, 1.45}},
         "out of date order"},
        {"socsec", {{"1/4/2008", 100, 0, 6.5, 1.45}}, "Social Security withheld 6.50 differs"},
        {"medicare", {{"1/4/2008", 100, 0, 6.2, 1.40}}, "Medicare withheld"},
        {"base",
         {{"1/4/2008", 102000, 0, 6324, 1479}, {"1/11/2008", 100, 0, 6.2, 1.45}},
         "above the base"},
        {"undated", {{"first week", 100, 0, 6.2, 1.45}}, "is not dated"},
    };
    for (const CheckCase& c : cases) {
        TempFolder folder;
        writeEmployee(folder, "e", c.rows);
        const auto j = registerJson(folder, "--year", "2008");
        std::string all;
        for (const auto& line : j["checks"]) all += line.get<std::string>() + "\n";
        EXPECT_NE(all.find(c.expected), std::string::npos) << c.what << ":\n" << all;
    }
}

TEST(RegisterChecks, CleanLedgerHasNoChecks) {
    TempFolder folder;
    writeEmployee(folder, "e", {{"1/4/2008", 100, 0, 6.2, 1.45}, {"1/11/2008", 100, 0, 6.2, 1.45}});
    EXPECT_TRUE(registerJson(folder, "--year", "2008")["checks"].empty())
        << registerJson(folder, "--year", "2008")["checks"];
}

// A file named in another code page (Latin-1 "José.use") still gives valid JSON.
TEST(RegisterCommand, AFileNameThatIsNotUtf8StillGivesValidJson) {
    TempFolder folder;
    writeEmployee(folder, "Jos\xE9", {{"1/4/2008", 100, 0, 6.2, 1.45}});
    const auto j = registerJson(folder, "--week", "1/4/2008");
    ASSERT_EQ(j["employees"].size(), 1U);
    EXPECT_EQ(j["employees"][0]["employee"], "Jos\uFFFD");
    EXPECT_EQ(j["totals"]["gross"], 100.0);
}

TEST(RegisterCommand, RefusesWrongPeriodsAndOutputs) {
    TempFolder folder;
    const std::vector<std::vector<std::string>> bad{
        {"register", "--quarter", "2008Q5", "--json"},
        {"register", "--year", "08", "--json"},
        {"register", "--year", "2008"},
        {"register", "--year", "2008", "--week", "1/4/2008", "--json"},
    };
    for (const auto& args : bad) {
        auto withDir = args;
        withDir.insert(withDir.end(), {"--dir", folder.path()});
        EXPECT_NE(runCli(withDir).exitCode, 0) << args[1] << " " << args[2];
    }
}

}  // namespace
}  // namespace corvanta::testing
