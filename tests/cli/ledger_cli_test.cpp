#include <gtest/gtest.h>

#include "session/files/employee_files.h"
#include "support/cli_runner.h"

namespace corvanta {
namespace {

using testing::runCli;
using testing::TempFolder;

class LedgerCliTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder.copyFederalTable();
        // Smith exists, made but never saved since: her ".use" alone, a new employee's.
        PayrollContext fresh = folder.context();
        folder.write("Smith.use", formatUseFile(fresh));
    }
    testing::CliResult run(const std::string& command, std::vector<std::string> args) {
        args.insert(args.begin(), {command, "--dir", folder.path().string(), "--user", "Smith"});
        return runCli(args);
    }
    TempFolder folder;
};

TEST_F(LedgerCliTest, PostedPeriodsFeedTheNextCalculationsWageBase) {
    ASSERT_EQ(run("calc", {"--dollars", "50000", "--week", "1/5/2008", "--post", "1"}).exitCode, 0);
    ASSERT_EQ(run("calc", {"--dollars", "51500", "--week", "1/12/2008", "--post", "2"}).exitCode,
              0);
    const auto ledger = run("ledger", {});
    ASSERT_EQ(ledger.exitCode, 0) << ledger.err;
    EXPECT_EQ(ledger.number("YtdGross"), 101500);
    EXPECT_NE(ledger.out.find("\"WeekLabel\":\"1/5/2008\""), std::string::npos);
    EXPECT_TRUE(folder.exists("Smith.yrw"));

    const auto next = run("calc", {"--dollars", "1000", "--no-save"});
    ASSERT_EQ(next.exitCode, 0) << next.err;
    EXPECT_EQ(next.number("SocSecTax"), 31);  // only 500 of the period lies under the base
}

TEST_F(LedgerCliTest, ARowOutsideTheLedgerIsAUsageError) {
    const auto r = run("calc", {"--straight", "40", "--week", "1/5/2008", "--post", "53"});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_FALSE(folder.exists("Smith.yrw"));
}

TEST_F(LedgerCliTest, ADamagedLedgerIsNamedAndLeftAlone) {
    ASSERT_EQ(run("calc", {"--straight", "40", "--week", "1/5/2008", "--post", "1"}).exitCode, 0);
    const std::string full = folder.read("Smith.yrw");
    folder.write("Smith.yrw", full.substr(0, full.size() / 2));
    const auto r = run("calc", {"--straight", "40", "--week", "1/12/2008", "--post", "2"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("Smith.yrw"), std::string::npos) << r.err;
    EXPECT_EQ(folder.read("Smith.yrw"), full.substr(0, full.size() / 2));
}

}  // namespace
}  // namespace corvanta
