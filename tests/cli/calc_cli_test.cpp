#include <gtest/gtest.h>

#include "session/core/calculate.h"
#include "session/files/employee_files.h"
#include "session/local/local_files.h"
#include "session/state/state_file.h"
#include "support/case_names.h"
#include "support/cli_runner.h"

namespace corvanta {
namespace {

using testing::crlf;
using testing::runCli;
using testing::TempFolder;

// An employee folder written the way the program writes it.
class CalcCliTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder.copyFederalTable();
        ctx.folder = folder.path();
        ctx.UserFileBase = "Smith";
    }
    void save() { SaveUserFiles(ctx); }
    // Smith exists, made but never saved since: her ".use" alone, a new employee's.
    void makeEmployee() { folder.write("Smith.use", formatUseFile(ctx)); }
    testing::CliResult calc(std::vector<std::string> args) {
        args.insert(args.begin(), {"calc", "--dir", folder.path().string(), "--user", "Smith"});
        return runCli(args);
    }

    TempFolder folder;
    PayrollContext ctx;
};

TEST_F(CalcCliTest, HandWrittenFilesGiveTheWeeklyExample) {
    folder.write("Smith.use",
                 crlf({"0,0,0", "0,0,0", "12.5,0,0", "\"0\",\"Single\",0", "0,0,0", "0,0,0",
                       "#TRUE#,#FALSE#,\"CrUnion\"", "\"Bond\",\"Dues\",\"Pension\",\"Misc.\"",
                       ",,,", ",,,", ",,,", ",,,"}));
    const auto r = calc({"--straight", "40", "--no-save"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.number("GrossPay"), 500);
    EXPECT_EQ(r.number("MedicareTax"), 7.25);
    EXPECT_EQ(r.number("SocSecTax"), 31);
    EXPECT_EQ(r.number("FedWithholding"), 60);
    EXPECT_EQ(r.number("StateWithholding"), 17.61);
    EXPECT_EQ(r.number("LocalTax"), 11.68);
    EXPECT_EQ(r.number("NetPay"), 372.46);
    EXPECT_EQ(r.label("lbNet"), "$372.46");
    EXPECT_EQ(r.label("lbTableNotice"), "Weekly Tax Tables");
    EXPECT_NE(r.out.find("\"boxes\":[\"40\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"]"),
              std::string::npos);
    EXPECT_FALSE(folder.exists("Smith.sta"));  // --no-save writes nothing
}

TEST_F(CalcCliTest, BiWeeklyExamplesOfEveryTable) {
    ctx.profile.frequency = PayFrequency::BiWeekly;
    ctx.profile.FedExemptions = "4";
    ctx.state.SingleTable = {};
    save();
    // No state or city table file: the New York defaults fill the blank cells.
    std::filesystem::remove(folder / "Smith.sta");
    std::filesystem::remove(folder / "Smith.cti");
    const auto r = calc({"--dollars", "1000", "--no-save"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.number("FedAllowance"), 538.48);
    EXPECT_EQ(r.number("FedWithholding"), 39.23);  // (461.52 - 396) x 15% + 29.40
    EXPECT_EQ(r.number("StateWithholding"), 35.21);
    EXPECT_EQ(r.number("LocalTax"), 23.36);
    EXPECT_EQ(r.label("lbTableNotice"), "Bi-Weekly Tax Tables");
}

TEST_F(CalcCliTest, NonResidentTable) {
    ctx.profile.NonCityResident = 1;
    ctx.nonCity = nonCityDefaults();
    save();
    const auto r = calc({"--dollars", "500"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.number("LocalTax"), 2.16);
}

TEST_F(CalcCliTest, TwoTimesOvertimeAndTips) {
    ctx.profile.HourlyRate = 10;
    ctx.profile.TipsRate = 5;
    save();
    const auto r = calc({"--ot", "2", "--2x", "--tips", "10"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.number("TotalOt"), 40);
    EXPECT_EQ(r.number("TotalTips"), 50);
    EXPECT_EQ(r.number("GrossPay"), 90);
}

TEST_F(CalcCliTest, TheClosingSaveWritesTheWholeGroup) {
    makeEmployee();
    const auto r = calc({"--straight", "40"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    for (const char* ext : {".use", ".and", ".cfe", ".ovw", ".sta", ".cti", ".nci"}) {
        EXPECT_TRUE(folder.exists(std::string("Smith") + ext)) << ext;
    }
    EXPECT_EQ(folder.read("Smith.sta").substr(0, 17), "0,0,.04,0,0,.04\r\n");
}

TEST_F(CalcCliTest, BadEntryIsRefusedWithTheBoxNamed) {
    save();
    const std::string before = folder.read("Smith.use");
    const auto r = calc({"--straight", "1-2"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("STRAIGHT TIME HOURS 1"), std::string::npos) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(folder.read("Smith.use"), before);
}

TEST_F(CalcCliTest, UsageErrorsExitWithTwo) {
    EXPECT_EQ(runCli({}).exitCode, 2);
    EXPECT_EQ(runCli({"calc", "--bogus"}).exitCode, 2);
    EXPECT_EQ(runCli({"calc", "--straight"}).exitCode, 2);
    EXPECT_EQ(runCli({"frobnicate"}).exitCode, 2);
}

class DamagedFileTest : public CalcCliTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(DamagedFileTest, IsNamedAndLeftAsItWas) {
    save();
    const std::string name = GetParam();
    const std::string full = folder.read(name);
    const std::string damaged = full.substr(0, full.size() / 3) + "\r\nnot a number,\"x\"";
    folder.write(name, damaged);
    const std::vector<std::string> before{folder.read("Smith.use"), folder.read("Smith.sta"),
                                          folder.read("Smith.cti"), folder.read("Smith.nci")};
    const auto r = calc({"--straight", "40"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find(name), std::string::npos) << r.err;
    EXPECT_EQ(folder.read(name), damaged);
    const std::vector<std::string> after{folder.read("Smith.use"), folder.read("Smith.sta"),
                                         folder.read("Smith.cti"), folder.read("Smith.nci")};
    EXPECT_EQ(after, before);
}

INSTANTIATE_TEST_SUITE_P(Files, DamagedFileTest,
                         ::testing::Values("Smith.use", "Smith.and", "Smith.sta", "Smith.cti",
                                           "Smith.nci", "Federal08.dtt"),
                         testing::CaseName());

// A script must not take a federal tax of .00 for a success.
TEST_F(CalcCliTest, MissingFederalTableIsRefused) {
    makeEmployee();
    std::filesystem::remove(folder / "Federal08.dtt");
    const auto r = calc({"--straight", "40", "--no-save"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("Federal08.dtt"), std::string::npos) << r.err;
    EXPECT_EQ(r.out, "");
}

}  // namespace
}  // namespace corvanta
