// The command line gets the same figures and the same refusals as the window.
#include <gtest/gtest.h>

#include "session/core/calculate.h"
#include "session/files/employee_files.h"
#include "session/local/local_files.h"
#include "session/state/state_file.h"
#include "support/cli_runner.h"

namespace corvanta {
namespace {

using testing::runCli;
using testing::TempFolder;

// The text with every run of blanks made one, so a printed line reads as its words.
std::string squeezedText(const std::string& text) {
    std::string out;
    for (const char c : text) {
        if (c == ' ' && !out.empty() && out.back() == ' ') continue;
        out += c;
    }
    return out;
}

class FiguresCliTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder.copyFederalTable();
        ctx.folder = folder.path();
        ctx.UserFileBase = "Smith";
        ctx.profile.EmployeeName = "Jane Doe";
    }
    void save() { SaveUserFiles(ctx); }
    testing::CliResult run(const std::string& command, std::vector<std::string> args) {
        args.insert(args.begin(), {command, "--dir", folder.path().string(), "--user", "Smith"});
        return runCli(args);
    }
    testing::CliResult calc(std::vector<std::string> args) {
        args.emplace_back("--no-save");
        return run("calc", std::move(args));
    }

    TempFolder folder;
    PayrollContext ctx;
};

struct BadEntryCase {
    const char* option;
    const char* text;
    const char* caption;
};

class BadEntryCliTest : public FiguresCliTest,
                        public ::testing::WithParamInterface<BadEntryCase> {};

TEST_P(BadEntryCliTest, IsRefusedWithTheBoxNamedAndNothingSaved) {
    const BadEntryCase& c = GetParam();
    save();
    const std::string before = folder.read("Smith.use");
    const auto r = run("calc", {"--straight", "40", c.option, c.text});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find(c.caption), std::string::npos) << r.err;
    EXPECT_NE(r.err.find(c.text), std::string::npos) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(folder.read("Smith.use"), before);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, BadEntryCliTest,
    ::testing::Values(BadEntryCase{"--straight2", "80,5", "STRAIGHT TIME HOURS 2"},
                      BadEntryCase{"--holiday", "1,480.00", "HOLIDAY IN HOURS"},
                      BadEntryCase{"--ot15", "ten", "O.T. TIME AND 1/2 (1.5X)"},
                      BadEntryCase{"--dollars", "$80", "PAY IN DOLLAR AMOUNT"}));

TEST_F(FiguresCliTest, PlainNumbersWithBlanksAreRead) {
    save();
    const auto r = calc({"--straight", " 4 0 ", "--ot", "-", "--tips", "."});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.number("GrossPay"), 300);
    EXPECT_NE(r.out.find("\"boxes\":[\" 4 0 \",\"\",\"\",\"\",\"\",\"\",\"\",\"\"]"),
              std::string::npos)
        << r.out;
}

struct StatusFileCase {
    const char* fedStatus;  // written into the ".use"
    int exitCode;
    const char* named;  // in the message
};

class StatusFileCliTest : public FiguresCliTest,
                          public ::testing::WithParamInterface<StatusFileCase> {};

TEST_P(StatusFileCliTest, FileStatusIsNormalisedOrRefused) {
    const StatusFileCase& c = GetParam();
    save();
    std::string use = folder.read("Smith.use");
    use.replace(use.find("\"Single\""), 8, std::string("\"") + c.fedStatus + "\"");
    use.replace(use.find("#TRUE#,#FALSE#"), 14, "#FALSE#,#FALSE#");  // neither frequency
    folder.write("Smith.use", use);
    const auto r = calc({"--dollars", "500"});
    EXPECT_EQ(r.exitCode, c.exitCode) << r.err;
    if (c.exitCode == 0) {
        EXPECT_EQ(r.number("FedWithholding"), 60);  // the single weekly brackets
        EXPECT_EQ(r.label("lbTableNotice"), "Weekly Tax Tables");
    } else {
        EXPECT_NE(r.err.find("Smith.use"), std::string::npos) << r.err;
        EXPECT_NE(r.err.find(c.named), std::string::npos) << r.err;
    }
}

INSTANTIATE_TEST_SUITE_P(Statuses, StatusFileCliTest,
                         ::testing::Values(StatusFileCase{"", 0, ""},
                                           StatusFileCase{"Single", 0, ""},
                                           StatusFileCase{"Singel", 1, "\"Singel\""}));

TEST_F(FiguresCliTest, NeitherFrequencyOnFileCanBeOpenedAgainAfterASave) {
    save();
    std::string use = folder.read("Smith.use");
    use.replace(use.find("#TRUE#,#FALSE#"), 14, "#FALSE#,#FALSE#");
    folder.write("Smith.use", use);
    std::filesystem::remove(folder / "Smith.ovw");
    ASSERT_EQ(run("calc", {"--straight", "40"}).exitCode, 0);
    const auto again = calc({"--straight", "40"});
    EXPECT_EQ(again.exitCode, 0) << again.err;
}

struct WageBaseCliCase {
    const char* first;
    const char* second;
    const char* period;
    double socSec;
};

class WageBaseCliTest : public FiguresCliTest,
                        public ::testing::WithParamInterface<WageBaseCliCase> {};

TEST_P(WageBaseCliTest, APeriodEndingOnTheBaseIsTaxedWhole) {
    const WageBaseCliCase& c = GetParam();
    folder.write("Smith.use", formatUseFile(ctx));  // made, never saved since
    ASSERT_EQ(run("calc", {"--dollars", c.first, "--post", "1"}).exitCode, 0);
    ASSERT_EQ(run("calc", {"--dollars", c.second, "--post", "2"}).exitCode, 0);
    const auto r = calc({"--dollars", c.period});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.number("SocSecTax"), c.socSec);
}

INSTANTIATE_TEST_SUITE_P(Periods, WageBaseCliTest,
                         ::testing::Values(WageBaseCliCase{"50000", "50000", "2000", 124},
                                           WageBaseCliCase{"50000", "51000", "1000", 62},
                                           WageBaseCliCase{"50000", "51500", "1000", 31}));

TEST_F(FiguresCliTest, LocalAndStateTaxesRoundHalvesUp) {
    ctx.profile.NonCityResident = 1;
    ctx.profile.PayWeekly = 0;
    ctx.profile.PayBiWeekly = kOptionSelected;
    ctx.nonCity = nonCityDefaults();
    save();
    const auto r = calc({"--dollars", "1170"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.number("LocalTax"), 5.27);
    EXPECT_NE(r.out.find("\"5.27\""), std::string::npos);  // the city tax label
}

struct YearTotalCase {
    const char* dollars;
    int periods;
    bool biWeekly;
    double total;
};

class YearTotalCliTest : public FiguresCliTest,
                         public ::testing::WithParamInterface<YearTotalCase> {};

TEST_P(YearTotalCliTest, LedgerTotalsAreTheSumOfThePostedCents) {
    const YearTotalCase& c = GetParam();
    if (c.biWeekly) {
        ctx.profile.PayWeekly = 0;
        ctx.profile.PayBiWeekly = kOptionSelected;
    }
    save();
    for (int row = 1; row <= c.periods; ++row) {
        ASSERT_EQ(run("calc", {"--dollars", c.dollars, "--post", std::to_string(row)}).exitCode, 0);
    }
    const auto ledger = run("ledger", {});
    ASSERT_EQ(ledger.exitCode, 0) << ledger.err;
    EXPECT_EQ(ledger.number("YtdGross"), c.total);
}

INSTANTIATE_TEST_SUITE_P(Years, YearTotalCliTest,
                         ::testing::Values(YearTotalCase{"1234.56", 52, false, 64197.12},
                                           YearTotalCase{"5000.03", 26, true, 130000.78}));

TEST_F(FiguresCliTest, CafeteriaLargerThanThePayTakesNoSocialSecurity) {
    ctx.profile.CafeteriaAmount = 1500;
    save();
    const auto r = calc({"--dollars", "1000"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.number("SocSecTax"), 0);
    EXPECT_EQ(r.number("MedicareTax"), 0);
}

TEST_F(FiguresCliTest, DecreasingCityAmountsGiveNoCityTax) {
    ctx.city = cityDefaults();
    ctx.city.SingleRows[4].Amount = -90;  // a typing slip in the table
    save();
    const auto r = calc({"--dollars", "1000"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.number("LocalTax"), 0);
}

struct LimitCliCase {
    const char* dollars;
    int exitCode;
};

class CentLimitCliTest : public FiguresCliTest,
                         public ::testing::WithParamInterface<LimitCliCase> {};

TEST_P(CentLimitCliTest, GrossPayFromOneHundredThousandIsRefused) {
    save();
    const std::string before = folder.read("Smith.use");
    const auto r = run("calc", {"--dollars", GetParam().dollars});
    EXPECT_EQ(r.exitCode, GetParam().exitCode) << r.err;
    if (GetParam().exitCode != 0) {
        EXPECT_NE(r.err.find("gross pay"), std::string::npos) << r.err;
        EXPECT_NE(r.err.find("100,000.00"), std::string::npos) << r.err;
        EXPECT_EQ(folder.read("Smith.use"), before);
    }
}

INSTANTIATE_TEST_SUITE_P(Amounts, CentLimitCliTest,
                         ::testing::Values(LimitCliCase{"99999.99", 0}, LimitCliCase{"100000", 1},
                                           LimitCliCase{"100000.01", 1}));

class MissingFederalCliTest : public FiguresCliTest,
                              public ::testing::WithParamInterface<const char*> {};

TEST_P(MissingFederalCliTest, IsRefusedWithTheFileNamed) {
    save();
    std::filesystem::remove(folder / "Federal08.dtt");
    std::vector<std::string> args{"--straight", "40"};
    if (std::string(GetParam()) != "calc") args.emplace_back("--text");
    const auto r = run(GetParam(), args);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("Federal08.dtt"), std::string::npos) << r.err;
    EXPECT_EQ(r.out, "");
}

INSTANTIATE_TEST_SUITE_P(Commands, MissingFederalCliTest,
                         ::testing::Values("calc", "stub", "check"));

TEST_F(FiguresCliTest, HolidayAndVacationLinesUseTheRatePaid) {
    save();  // rate 0: paid at 7.50
    const auto r = run("stub", {"--holiday", "8", "--vacation", "2", "--text"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(squeezedText(r.out).find("Holiday 7.50 8.00 60.00"), std::string::npos) << r.out;
    EXPECT_NE(squeezedText(r.out).find("Vacation/Sick 7.50 2.00 15.00"), std::string::npos)
        << r.out;
}

struct PlaceholderCase {
    const char* command;
    bool force;
    int exitCode;
};

class PlaceholderNameCliTest : public FiguresCliTest,
                               public ::testing::WithParamInterface<PlaceholderCase> {};

TEST_P(PlaceholderNameCliTest, PrintingForThePlaceholderNameNeedsForce) {
    const PlaceholderCase& c = GetParam();
    ctx.profile.EmployeeName = "Employee's Name";
    save();
    std::vector<std::string> args{"--straight", "40", "--text", "--save"};
    if (c.force) args.emplace_back("--force");
    const std::string before = folder.read("Smith.use");
    const auto r = run(c.command, args);
    EXPECT_EQ(r.exitCode, c.exitCode) << r.err;
    if (c.exitCode != 0) {
        EXPECT_NE(r.err.find("The employee's name is not filled in."), std::string::npos) << r.err;
        EXPECT_NE(r.err.find("--force"), std::string::npos) << r.err;
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(folder.read("Smith.use"), before);
    } else {
        EXPECT_NE(r.out.find("Social Security Tax"), std::string::npos);
    }
}

INSTANTIATE_TEST_SUITE_P(Commands, PlaceholderNameCliTest,
                         ::testing::Values(PlaceholderCase{"stub", false, 1},
                                           PlaceholderCase{"check", false, 1},
                                           PlaceholderCase{"stub", true, 0},
                                           PlaceholderCase{"check", true, 0}));

}  // namespace
}  // namespace corvanta
