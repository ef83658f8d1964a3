// The command line gets the same figures and the same refusals as the window.
#include <gtest/gtest.h>

#include <chrono>

#include "session/core/calculate.h"
#include "session/files/employee_files.h"
#include "session/local/local_files.h"
#include "session/state/state_file.h"
#include "support/case_names.h"
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
    const char* name;
    const char* option;
    const char* text;
    const char* caption;
};

void PrintTo(const BadEntryCase& c, std::ostream* os) { *os << c.name; }

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
    ::testing::Values(
        BadEntryCase{"straight2_decimal_comma", "--straight2", "80,5", "STRAIGHT TIME HOURS 2"},
        BadEntryCase{"holiday_thousands_comma", "--holiday", "1,480.00", "HOLIDAY IN HOURS"},
        BadEntryCase{"overtime_word", "--ot15", "ten", "O.T. TIME AND 1/2 (1.5X)"},
        BadEntryCase{"dollars_with_sign", "--dollars", "$80", "PAY IN DOLLAR AMOUNT"}),
    testing::CaseName());

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
    const char* name;
    const char* fedStatus;  // written into the ".use"
    int exitCode;
    const char* named;  // in the message
};

void PrintTo(const StatusFileCase& c, std::ostream* os) { *os << c.name; }

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
                         ::testing::Values(StatusFileCase{"blank_reads_as_single", "", 0, ""},
                                           StatusFileCase{"single", "Single", 0, ""},
                                           StatusFileCase{"misspelt_single", "Singel", 1,
                                                          "\"Singel\""}),
                         testing::CaseName());

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
    const char* name;
    const char* first;
    const char* second;
    const char* period;
    double socSec;
};

void PrintTo(const WageBaseCliCase& c, std::ostream* os) { *os << c.name; }

class WageBaseCliTest : public FiguresCliTest,
                        public ::testing::WithParamInterface<WageBaseCliCase> {};

TEST_P(WageBaseCliTest, APeriodEndingOnTheBaseIsTaxedWhole) {
    const WageBaseCliCase& c = GetParam();
    folder.write("Smith.use", formatUseFile(ctx));  // made, never saved since
    // Two weeks of the year: a week is posted once.
    ASSERT_EQ(run("calc", {"--dollars", c.first, "--week", "1/4/2008", "--post", "1"}).exitCode, 0);
    ASSERT_EQ(run("calc", {"--dollars", c.second, "--week", "1/11/2008", "--post", "2"}).exitCode,
              0);
    const auto r = calc({"--dollars", c.period});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.number("SocSecTax"), c.socSec);
}

INSTANTIATE_TEST_SUITE_P(
    Periods, WageBaseCliTest,
    ::testing::Values(WageBaseCliCase{"double_pay_ends_on_the_base", "50000", "50000", "2000", 124},
                      WageBaseCliCase{"ends_on_the_base", "50000", "51000", "1000", 62},
                      WageBaseCliCase{"crosses_the_base", "50000", "51500", "1000", 31}),
    testing::CaseName());

TEST_F(FiguresCliTest, LocalAndStateTaxesRoundHalvesUp) {
    ctx.profile.NonCityResident = 1;
    ctx.profile.frequency = PayFrequency::BiWeekly;
    ctx.nonCity = nonCityDefaults();
    save();
    const auto r = calc({"--dollars", "1170"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.number("LocalTax"), 5.27);
    EXPECT_NE(r.out.find("\"5.27\""), std::string::npos);  // the city tax label
}

struct YearTotalCase {
    const char* name;
    const char* dollars;
    int periods;
    bool biWeekly;
    double total;
};

void PrintTo(const YearTotalCase& c, std::ostream* os) { *os << c.name; }

class YearTotalCliTest : public FiguresCliTest,
                         public ::testing::WithParamInterface<YearTotalCase> {};

TEST_P(YearTotalCliTest, LedgerTotalsAreTheSumOfThePostedCents) {
    const YearTotalCase& c = GetParam();
    if (c.biWeekly) {
        ctx.profile.frequency = PayFrequency::BiWeekly;
    }
    save();
    for (int row = 1; row <= c.periods; ++row) {
        // Each period its own week, the Fridays of 2008 a week or two weeks apart.
        const std::chrono::year_month_day week{
            std::chrono::sys_days{std::chrono::year{2008} / 1 / 4} +
            std::chrono::days{(row - 1) * (c.biWeekly ? 14 : 7)}};
        const std::string label = std::to_string(static_cast<unsigned>(week.month())) + "/" +
                                  std::to_string(static_cast<unsigned>(week.day())) + "/2008";
        ASSERT_EQ(
            run("calc", {"--dollars", c.dollars, "--week", label, "--post", std::to_string(row)})
                .exitCode,
            0)
            << label;
    }
    const auto ledger = run("ledger", {});
    ASSERT_EQ(ledger.exitCode, 0) << ledger.err;
    EXPECT_EQ(ledger.number("YtdGross"), c.total);
}

INSTANTIATE_TEST_SUITE_P(
    Years, YearTotalCliTest,
    ::testing::Values(YearTotalCase{"weekly_52_periods", "1234.56", 52, false, 64197.12},
                      YearTotalCase{"biweekly_26_periods", "5000.03", 26, true, 130000.78}),
    testing::CaseName());

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
    const char* name;
    const char* dollars;
    int exitCode;
};

void PrintTo(const LimitCliCase& c, std::ostream* os) { *os << c.name; }

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
                         ::testing::Values(LimitCliCase{"largest_gross", "99999.99", 0},
                                           LimitCliCase{"gross_at_limit", "100000", 1},
                                           LimitCliCase{"cent_over_gross", "100000.01", 1}),
                         testing::CaseName());

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
                         ::testing::Values("calc", "stub", "check"), testing::CaseName());

TEST_F(FiguresCliTest, HolidayAndVacationLinesUseTheRatePaid) {
    save();  // rate 0: paid at 7.50
    const auto r = run("stub", {"--holiday", "8", "--vacation", "2", "--text"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(squeezedText(r.out).find("Holiday 7.50 8.00 60.00"), std::string::npos) << r.out;
    EXPECT_NE(squeezedText(r.out).find("Vacation/Sick 7.50 2.00 15.00"), std::string::npos)
        << r.out;
}

struct PlaceholderCase {
    const char* name;
    const char* command;
    bool force;
    int exitCode;
};

void PrintTo(const PlaceholderCase& c, std::ostream* os) { *os << c.name; }

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
                         ::testing::Values(PlaceholderCase{"stub_refused", "stub", false, 1},
                                           PlaceholderCase{"check_refused", "check", false, 1},
                                           PlaceholderCase{"stub_forced", "stub", true, 0},
                                           PlaceholderCase{"check_forced", "check", true, 0}),
                         testing::CaseName());

}  // namespace
}  // namespace corvanta
