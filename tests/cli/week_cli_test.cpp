// The pay period a command posts: a real date given on purpose, or a label said to be one.
#include <gtest/gtest.h>

#include "support/cli_runner.h"
#include "support/temp_folder.h"

namespace corvanta {
namespace {

using testing::runCli;
using testing::TempFolder;

class WeekCliTest : public ::testing::Test {
  protected:
    WeekCliTest() {
        folder.copyFederalTable();
        EXPECT_EQ(runCli({"new", "Smith", "--dir", folder.path().string()}).exitCode, 0);
    }
    testing::CliResult calc(std::vector<std::string> args) {
        args.insert(args.begin(), {"calc", "--dir", folder.path().string(), "--user", "Smith",
                                   "--straight", "40"});
        return runCli(args);
    }
    TempFolder folder;
};

struct WeekRefusal {
    const char* label;
    std::vector<std::string> args;
    const char* says;
};

void PrintTo(const WeekRefusal& c, std::ostream* os) { *os << c.label; }

class RefusedWeek : public WeekCliTest, public ::testing::WithParamInterface<WeekRefusal> {};

TEST_P(RefusedWeek, IsAUsageErrorAndNothingIsPosted) {
    const auto r = calc(GetParam().args);
    EXPECT_EQ(r.exitCode, 2) << r.err;
    EXPECT_NE(r.err.find(GetParam().says), std::string::npos) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_FALSE(folder.exists("Smith.yrw"));
}

INSTANTIATE_TEST_SUITE_P(
    Weeks, RefusedWeek,
    ::testing::Values(
        WeekRefusal{"PostWithoutAWeek", {"--post", "1"}, "--post needs the pay period date"},
        WeekRefusal{"ImpossibleDate", {"--week", "13/45/2008", "--post", "1"}, "13/45/2008"},
        WeekRefusal{"ImpossibleDateWithoutPosting", {"--week", "2/30/2008"}, "2/30/2008"},
        WeekRefusal{"LabelAsWeek", {"--week", "Week 1", "--post", "1"}, "--label"},
        WeekRefusal{"WeekAndLabel", {"--week", "1/5/2008", "--label", "W1"}, "do not go together"}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(WeekCliTest, ALabelThatIsNotADateIsPostedWhenSaidSo) {
    const auto r = calc({"--label", "Week 1", "--post", "1"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const auto ledger = runCli({"ledger", "--dir", folder.path().string(), "--user", "Smith"});
    EXPECT_NE(ledger.out.find("\"WeekLabel\":\"Week 1\""), std::string::npos) << ledger.out;
}

TEST_F(WeekCliTest, ADateIsPostedAsGiven) {
    const auto r = calc({"--week", "12/31/2008", "--post", "1"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const auto ledger = runCli({"ledger", "--dir", folder.path().string(), "--user", "Smith"});
    EXPECT_NE(ledger.out.find("\"WeekLabel\":\"12/31/2008\""), std::string::npos) << ledger.out;
}

TEST_F(WeekCliTest, ThePayRunTakesARealDateOrALabel) {
    folder.write("hours.csv", "employee,straight\r\nSmith,40\r\n");
    ASSERT_EQ(calc({"--week", "1/5/2008"}).exitCode, 0);
    const auto hours = (folder / "hours.csv").string();
    const auto bad =
        runCli({"run", "--hours", hours, "--week", "13/45/2008", "--dir", folder.path().string()});
    EXPECT_EQ(bad.exitCode, 2) << bad.err;
    EXPECT_NE(bad.err.find("13/45/2008"), std::string::npos) << bad.err;
    const auto none = runCli({"run", "--hours", hours, "--dir", folder.path().string()});
    EXPECT_EQ(none.exitCode, 2);
    const auto labelled =
        runCli({"run", "--hours", hours, "--label", "Bonus week", "--dir", folder.path().string()});
    EXPECT_EQ(labelled.exitCode, 0) << labelled.err;
}

}  // namespace
}  // namespace corvanta
