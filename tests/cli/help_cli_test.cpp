// The command line's help, version and usage errors, and its JSON as the window shows figures.
#include <gtest/gtest.h>

#include "support/cli_runner.h"
#include "support/temp_folder.h"

namespace corvanta {
namespace {

using testing::runCli;

struct HelpCase {
    std::vector<std::string> args;
    int exit;
    const char* inOut;  // "" when the text goes to stderr
    const char* inErr;
};

TEST(HelpCli, HelpVersionAndUsageErrors) {
    const std::vector<HelpCase> cases{
        {{"--help"}, 0, "corvanta-cli session", ""},
        {{"--version"}, 0, "corvanta-cli 1.", ""},
        {{"calc", "--help"}, 0, "STRAIGHT TIME HOURS 1", ""},
        {{"check", "--help"}, 0, "--memo", ""},
        {{"session", "--help"}, 0, "open NAME", ""},
        {{"--help"}, 0, "corvanta-cli new NAME [--dir DIR]", ""},
        {{"new", "--help"}, 0, "--dir", ""},
        {{"new"}, 2, "", "new takes one employee name"},
        {{}, 2, "", "usage:"},
        {{"pay"}, 2, "", "unknown command pay"},
        {{"calc", "--dir"}, 2, "", "--dir"},
        {{"calc", "--hours", "40"}, 2, "", "--hours"},
        {{"calc", "--straight", "1", "--straight", "2"}, 2, "", "--straight"},
        {{"stub"}, 2, "", "--pdf FILE or --text"},
    };
    for (const HelpCase& c : cases) {
        const auto r = runCli(c.args);
        const std::string shown = c.args.empty() ? "(none)" : c.args.front();
        EXPECT_EQ(r.exitCode, c.exit) << shown << r.err;
        EXPECT_NE(r.out.find(c.inOut), std::string::npos) << shown << r.out;
        EXPECT_NE(r.err.find(c.inErr), std::string::npos) << shown << r.err;
    }
}

TEST(HelpCli, FiguresAreWrittenAsTheirShortestText) {
    testing::TempFolder dir;
    dir.copyFederalTable();
    const auto r = runCli({"calc", "--dir", dir.path().string(), "--straight", "40", "--week",
                           "1/5/2008", "--no-save"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    for (const char* figure :
         {"\"GrossPay\":300,", "\"SocSecTax\":18.6,", "\"PayRate\":7.5,", "\"lbNet\":\"$"}) {
        EXPECT_NE(r.out.find(figure), std::string::npos) << figure << "\n" << r.out;
    }
}

}  // namespace
}  // namespace corvanta
