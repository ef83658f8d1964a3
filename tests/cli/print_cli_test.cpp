#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/case_names.h"
#include "support/cli_runner.h"

namespace corvanta::testing {
namespace {

// The employee of these runs has no files, so the name is the placeholder: --force prints.
class PrintCli : public ::testing::Test {
  protected:
    void SetUp() override { folder.copyFederalTable(); }
    CliResult run(std::vector<std::string> args) {
        args.insert(args.begin() + 1, {"--dir", folder.path().string()});
        return runCli(args);
    }
    TempFolder folder;
};

struct UsageCase {
    const char* name;
    std::vector<std::string> args;
};

void PrintTo(const UsageCase& c, std::ostream* os) { *os << c.name; }

class PrintCliUsage : public PrintCli, public ::testing::WithParamInterface<UsageCase> {};

TEST_P(PrintCliUsage, ExitsWithTwo) { EXPECT_EQ(run(GetParam().args).exitCode, 2); }

INSTANTIATE_TEST_SUITE_P(
    Table, PrintCliUsage,
    ::testing::Values(UsageCase{"stub_without_output", {"stub"}},
                      UsageCase{"stub_text_and_pdf", {"stub", "--text", "--pdf", "x.pdf"}},
                      UsageCase{"stub_memo", {"stub", "--text", "--memo", "m"}},
                      UsageCase{"report_with_hours", {"report", "--straight", "4", "--text"}},
                      UsageCase{"check_text_horizontal", {"check", "--text", "--horz"}},
                      UsageCase{"export_without_file", {"export"}}),
    testing::CaseName());

TEST_F(PrintCli, StubAsTextDoesNotSaveUnlessAsked) {
    const CliResult r =
        run({"stub", "--straight", "40", "--week", "1/5/2008", "--text", "--force"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("For Week Ending: 1/5/2008"), std::string::npos);
    EXPECT_NE(r.out.find("Regular1 Earning"), std::string::npos);
    EXPECT_FALSE(folder.exists(".use"));
    EXPECT_EQ(run({"stub", "--straight", "40", "--save", "--text", "--force"}).exitCode, 0);
    EXPECT_TRUE(folder.exists(".use"));
}

TEST_F(PrintCli, CheckTakesOffsetsMemoAndDate) {
    const CliResult r = run({"check", "--straight", "40", "--horz", "+2", "--vert", "-1", "--memo",
                             "Bonus", "--date", "1/9/2008", "--text", "--force"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out.substr(0, 3 + 108), std::string(3, '\n') + std::string(108, ' '));
    EXPECT_NE(r.out.find("\n" + std::string(11, ' ') + "Bonus\n"), std::string::npos);
    EXPECT_NE(r.out.find("1/9/2008"), std::string::npos);
}

TEST_F(PrintCli, CheckRefusesAnOffsetThatIsNotANumber) {
    const CliResult r = run({"check", "--straight", "40", "--horz", "two", "--text", "--force"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("offset"), std::string::npos);
    EXPECT_EQ(r.out, "");
}

TEST_F(PrintCli, ReportAndExportWriteTheirFiles) {
    ASSERT_EQ(run({"calc", "--straight", "40", "--week", "1/5/2008", "--post", "1"}).exitCode, 0);
    const CliResult text = run({"report", "--text"});
    EXPECT_EQ(text.exitCode, 0) << text.err;
    EXPECT_NE(text.out.find("    1/5/2008"), std::string::npos);
    EXPECT_EQ(run({"report", "--pdf", (folder / "r.pdf").string()}).exitCode, 0);
    EXPECT_EQ(folder.read("r.pdf").substr(0, 5), "%PDF-");
    EXPECT_EQ(run({"export", "--xlsx", (folder / "y.xlsx").string()}).exitCode, 0);
    EXPECT_EQ(folder.read("y.xlsx").substr(0, 2), "PK");
}

TEST_F(PrintCli, UnwritableOutputIsAFailureWithTheFileName) {
    const CliResult pdf = run({"stub", "--force", "--pdf", (folder / "no/s.pdf").string()});
    EXPECT_EQ(pdf.exitCode, 1);
    EXPECT_NE(pdf.err.find("s.pdf"), std::string::npos);
    const CliResult xlsx = run({"export", "--xlsx", (folder / "no/y.xlsx").string()});
    EXPECT_EQ(xlsx.exitCode, 1);
    EXPECT_NE(xlsx.err.find("y.xlsx"), std::string::npos);
}

}  // namespace
}  // namespace corvanta::testing
