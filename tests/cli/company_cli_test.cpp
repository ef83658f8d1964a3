// corvanta-cli company: the employer as JSON, and its fields set and checked.
#include <gtest/gtest.h>

#include "support/cli_runner.h"
#include "support/temp_folder.h"

namespace corvanta {
namespace {

using testing::runCli;
using testing::TempFolder;

std::vector<std::string> setUp(const TempFolder& dir) {
    return {"company",       "--dir",        dir.path().string(),
            "--name",        "Prairie Feed", "--street",
            "400 Locust St", "--city",       "Des Moines",
            "--state",       "IA",           "--zip",
            "50309",         "--ein",        "421234567",
            "--home-state",  "iowa",         "--deposits",
            "semiweekly"};
}

TEST(CompanyCli, SetsTheFieldsGivenAndPrintsTheCompany) {
    TempFolder dir;
    const auto set = runCli(setUp(dir));
    ASSERT_EQ(set.exitCode, 0) << set.err;
    EXPECT_NE(set.out.find("\"ein\":\"42-1234567\""), std::string::npos) << set.out;
    const auto more = runCli({"company", "--dir", dir.path().string(), "--contact-email",
                              "ann@prairie.example", "--local", "none"});
    ASSERT_EQ(more.exitCode, 0) << more.err;
    const auto shown = runCli({"company", "--dir", dir.path().string()});
    ASSERT_EQ(shown.exitCode, 0) << shown.err;
    EXPECT_EQ(shown.out,
              "{\"file\":\"Company.sav\",\"name\":\"Prairie Feed\",\"street\":\"400 Locust St\","
              "\"city\":\"Des Moines\",\"state\":\"IA\",\"zip\":\"50309\",\"ein\":\"42-1234567\","
              "\"stateId\":\"\",\"homeState\":\"Iowa\",\"localTax\":\"none\",\"deposits\":"
              "\"semiweekly\",\"contact\":{\"name\":\"\",\"phone\":\"\",\"email\":"
              "\"ann@prairie.example\"},\"nextCheckNumber\":1001}\n");
    EXPECT_EQ(dir.read("Header.sav"),
              "\"Prairie Feed\",\"400 Locust St\",\"Des Moines, IA 50309\",\"42-1234567\"\r\n");
}

struct CliRefusal {
    std::vector<std::string> args;
    const char* named;
};

TEST(CompanyCli, EachBadFieldIsRefusedByNameAndNothingChanges) {
    TempFolder dir;
    ASSERT_EQ(runCli(setUp(dir)).exitCode, 0);
    const std::string before = dir.read("Company.sav");
    const std::vector<CliRefusal> cases{
        {{"--zip", "5030"}, "ZIP code"},       {{"--zip", "50309-12"}, "ZIP code"},
        {{"--ein", "12-345678"}, "EIN"},       {{"--state", "Iowa"}, "State"},
        {{"--state", "PR"}, "State"},          {{"--home-state", "Texas"}, "Home state"},
        {{"--local", "chicago"}, "Local tax"}, {{"--deposits", "weekly"}, "Deposits"},
    };
    for (const CliRefusal& c : cases) {
        std::vector<std::string> args{"company", "--dir", dir.path().string()};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const auto r = runCli(args);
        EXPECT_EQ(r.exitCode, 1) << c.args[0] << " " << c.args[1];
        EXPECT_EQ(r.err.rfind(c.named, 0), 0U) << r.err;
        EXPECT_EQ(dir.read("Company.sav"), before);
    }
}

TEST(CompanyCli, AFolderWithoutACompanyIsToldHowToSetOne) {
    TempFolder dir;
    const auto r = runCli({"company", "--dir", dir.path().string()});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("no company"), std::string::npos) << r.err;
    const auto partial = runCli({"company", "--dir", dir.path().string(), "--zip", "50309"});
    EXPECT_EQ(partial.exitCode, 1);
    EXPECT_NE(partial.err.find("Company name is not given"), std::string::npos) << partial.err;
    EXPECT_FALSE(dir.exists("Company.sav"));
}

}  // namespace
}  // namespace corvanta
