#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "records/print/text_page.h"
#include "session/print/amount_words.h"
#include "session/print/check_print.h"
#include "session/print/ledger_report.h"
#include "session/print/pay_stub.h"
#include "session/ytd/ledger_file.h"
#include "support/case_names.h"
#include "support/payroll_fixture.h"
#include "support/print_scenario.h"

namespace corvanta::testing {
namespace {

const std::filesystem::path kGolden = std::filesystem::path(__FILE__).parent_path() / "golden";

// Compares with the committed rendering; CORVANTA_UPDATE_GOLDEN=1 rewrites it instead.
void expectGolden(const std::string& name, const std::string& actual) {
    const auto file = kGolden / name;
    if (std::getenv("CORVANTA_UPDATE_GOLDEN") != nullptr) {
        std::ofstream(file, std::ios::binary) << actual;
    }
    EXPECT_EQ(readText(file), actual) << "rendering differs from " << file;
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) out.push_back(line);
    return out;
}

// The words of a line, one blank between them.
std::string squeezed(const std::string& line) {
    std::istringstream in(line);
    std::string word, out;
    while (in >> word) out += (out.empty() ? "" : " ") + word;
    return out;
}

// The 1-based column where a text starts on a line, 0 when absent.
int columnOf(const std::string& line, const std::string& text) {
    const auto at = line.find(text);
    return at == std::string::npos ? 0 : static_cast<int>(at) + 1;
}

class PrintGolden : public PayrollFixture {
  protected:
    void SetUp() override {
        PayrollFixture::SetUp();
        fillPrintScenario(ctx);
    }
    std::string stub() {
        TextPage page;
        PrintText(ctx, page, "2/1/2008");
        EXPECT_TRUE(page.ended());
        return page.text();
    }
    std::string check(const CheckOffsetTexts& offsets) {
        TextPage page;
        PrintCheck(ctx, page, offsets);
        return page.text();
    }
};

TEST_F(PrintGolden, PayStubMatchesTheCommittedRendering) { expectGolden("pay_stub.txt", stub()); }

TEST_F(PrintGolden, CheckWithOffsetsMatchesTheCommittedRendering) {
    loadCheckWindow(ctx);
    ctx.check.txtMemo = "January bonus";
    expectGolden("check_offsets.txt", check({"+2", "-1"}));
}

TEST_F(PrintGolden, WeeklyLedgerReportMatchesTheCommittedRendering) {
    TextPage page;
    PrintYr(ctx, page, "2/1/2008");
    expectGolden("ledger_report_weekly.txt", page.text());
}

TEST_F(PrintGolden, StubLinesSitAtTheirColumns) {
    const auto l = lines(stub());
    ASSERT_EQ(l.size(), 61u);
    EXPECT_EQ(l[2], "Harbor Tool Works");
    EXPECT_EQ(columnOf(l[4], "EIN"), 85);
    EXPECT_EQ(l[5], std::string(164, '-'));
    EXPECT_EQ(columnOf(l[6], "Dana Whitfield"), 20);
    EXPECT_EQ(columnOf(l[6], "123-45-6789"), 50);
    EXPECT_EQ(columnOf(l[8], "For Week Ending: 1/19/2008"), 85);
    EXPECT_EQ(columnOf(l[10], "Version  1.0.0"), 65);
    // (2X) at PayRate 18.75 with 3 hours: rate 37.50, earnings 112.50.
    EXPECT_EQ(columnOf(l[20], "37.50"), 30);
    EXPECT_EQ(columnOf(l[20], "3.00"), 50);
    EXPECT_EQ(columnOf(l[20], "112.50"), 65);
    EXPECT_EQ(columnOf(l[21], "YTD"), 85);
    EXPECT_EQ(columnOf(l[25], "Adjustment"), 5);
    EXPECT_EQ(columnOf(l[25], "25.00"), 30);
    EXPECT_EQ(columnOf(l[33], "Current"), 100);
    EXPECT_EQ(columnOf(l[35], "Federal Tax"), 65);
    EXPECT_EQ(columnOf(l[42], "CrUnion"), 65);
    EXPECT_EQ(columnOf(l[42], "12.50"), 100);
    EXPECT_EQ(columnOf(l[42], "25.00"), 115);  // two weeks posted
    EXPECT_EQ(columnOf(l[58], "1/19/2008"), 100);
    EXPECT_NE(l[60].find("CORVANTA 2008  Version  1.0.0"), std::string::npos);
}

TEST_F(PrintGolden, StubSetsEmptyBoxesToZero) {
    stub();
    EXPECT_EQ(ctx.window.txtAmount[7], "0");
}

TEST_F(PrintGolden, StubReadsTheHeadingFileWhenThereIsOne) {
    folder.write("Header.sav", "\"New Co\",\"1 Main\",\"Zip\",\"ID 9\"\r\n");
    EXPECT_EQ(lines(stub())[2], "New Co");
}

TEST_F(PrintGolden, StubReloadsTheLedgerFile) {
    PayrollContext other = folder.context();
    other.UserFileBase = ctx.UserFileBase;
    other.ledger.grid[0].txtDate = "1/5/2008";
    other.ledger.grid[0].taxCells[0] = "99";
    Update(other);
    SaveAnnual(other);
    const auto l = lines(stub());
    EXPECT_EQ(columnOf(l[35], "99.00"), 115);
}

TEST_F(PrintGolden, CheckOffsetsMoveColumnsAndLines) {
    loadCheckWindow(ctx);
    const auto plain = lines(check({"0", "0"}));
    EXPECT_EQ(plain[4].find_first_not_of(' ') + 1, 107u);  // date on line 5
    EXPECT_EQ(columnOf(plain[7], "Dana Whitfield********"), 15);
    const auto moved = lines(check({"+2", "-1"}));
    EXPECT_EQ(moved[3].find_first_not_of(' ') + 1, 109u);  // three blank lines, not four
    EXPECT_EQ(columnOf(moved[6], "Dana Whitfield"), 17);
    const auto raised = lines(check({"0", "-5"}));
    EXPECT_EQ(raised[0].find_first_not_of(' ') + 1, 107u);  // no blank line at all
}

TEST_F(PrintGolden, CheckAmountLineAndStubs) {
    loadCheckWindow(ctx);
    const auto l = lines(check({"0", "0"}));
    EXPECT_EQ(columnOf(l[7], ProtectAmount(ctx)), 102);
    EXPECT_EQ(columnOf(l[9], "***** "), 5);
    EXPECT_EQ(l[15], "");  // empty memo prints an empty line
    // Ten blank lines, then the first stub: payee, headings, rule, fourteen lines.
    EXPECT_EQ(columnOf(l[26], "For Week Ending: 1/19/2008"), 65);
    EXPECT_EQ(columnOf(l[26], "1/19/2008"), 82);
    EXPECT_EQ(columnOf(l[27], "Taxes/Deduct"), 65);
    EXPECT_EQ(columnOf(l[28], std::string(198, '-')), 5);
    EXPECT_EQ(columnOf(l[33], "Holiday"), 5);  // the check's order: holiday fifth
    EXPECT_EQ(columnOf(l[36], "Tips"), 5);
    EXPECT_EQ(columnOf(l[42], "Cafeteria Plan"), 65);
    EXPECT_EQ(columnOf(l[45], "Earnings"), 30);         // two blank lines after the first stub
    EXPECT_EQ(columnOf(l[55], "For Week Ending"), 65);  // seven blank lines, second stub
    EXPECT_EQ(columnOf(l[73], "Earnings"), 30);         // one blank line after it
    EXPECT_EQ(l.size(), 76u);
}

struct CheckOffsetCase {
    std::string name;
    int horizontal;
    int vertical;
};

void PrintTo(const CheckOffsetCase& c, std::ostream* os) { *os << c.name; }

class CheckAtEveryOffset : public PrintGolden,
                           public ::testing::WithParamInterface<CheckOffsetCase> {};

// Every offset of the dialog moves the whole check, face and both stubs, and nothing else:
// the lines are those of the plain check, shifted.
TEST_P(CheckAtEveryOffset, IsThePlainCheckMoved) {
    const CheckOffsetCase& c = GetParam();
    loadCheckWindow(ctx);
    const auto plain = lines(check({"0", "0"}));
    const auto moved = lines(check({std::to_string(c.horizontal), std::to_string(c.vertical)}));
    const int blankAbove = std::max(c.vertical + 3, -1) + 1;  // four at offset 0
    ASSERT_EQ(static_cast<int>(moved.size()), static_cast<int>(plain.size()) - 4 + blankAbove);
    for (std::size_t i = 4; i < plain.size(); ++i) {
        const std::string& line = moved[i - 4 + static_cast<std::size_t>(blankAbove)];
        if (plain[i].empty()) {
            EXPECT_EQ(line, "") << i;
            continue;
        }
        // A column below 1 is column 1.
        const int first = static_cast<int>(plain[i].find_first_not_of(' ')) + 1;
        EXPECT_EQ(static_cast<int>(line.find_first_not_of(' ')) + 1,
                  std::max(first + c.horizontal, 1))
            << i;
        EXPECT_EQ(squeezed(line), squeezed(plain[i])) << i;
    }
    int rules = 0;
    for (const std::string& line : moved) rules += columnOf(line, std::string(198, '-')) > 0;
    EXPECT_EQ(rules, 2);
}

std::vector<CheckOffsetCase> dialogOffsets() {
    std::vector<CheckOffsetCase> out;
    for (int h = -5; h <= 5; ++h) {
        for (int v = -5; v <= 5; ++v) out.push_back({testing::checkOffsetName(h, v), h, v});
    }
    return out;
}

INSTANTIATE_TEST_SUITE_P(Dialog, CheckAtEveryOffset, ::testing::ValuesIn(dialogOffsets()),
                         testing::CaseName());

TEST_F(PrintGolden, HolidayAndVacationLinesUseTheRatePaid) {
    ctx.profile.HourlyRate = 0;  // paid at 7.50
    calculate({"40", "", "", "", "8", "2", "", ""});
    const std::string text = stub();
    const auto l = lines(text);
    bool regular = false;
    bool holiday = false;
    bool vacation = false;
    for (const std::string& line : l) {
        if (columnOf(line, "Regular1 Earning") == 5) {
            regular = true;
            EXPECT_EQ(squeezed(line), "Regular1 Earning 7.50 40.00 300.00") << line;
        }
        if (columnOf(line, "Holiday") == 5) {
            holiday = true;
            EXPECT_NE(line.find("7.50"), std::string::npos) << line;
            EXPECT_NE(line.find("60.00"), std::string::npos) << line;
        }
        if (columnOf(line, "Vacation/Sick") == 5) {
            vacation = true;
            EXPECT_NE(line.find("7.50"), std::string::npos) << line;
            EXPECT_NE(line.find("15.00"), std::string::npos) << line;
        }
    }
    EXPECT_TRUE(regular && holiday && vacation) << text;
}

TEST_F(PrintGolden, CheckRefusesAnOffsetThatIsNotANumber) {
    TextPage page;
    EXPECT_THROW(PrintCheck(ctx, page, {"abc", "0"}), UserError);
    EXPECT_THROW(PrintCheck(ctx, page, {"0", ""}), UserError);
    EXPECT_EQ(page.text(), "");
}

TEST_F(PrintGolden, ReportRowsUseTheGeneralNumberForm) {
    TextPage page;
    PrintYr(ctx, page, "2/1/2008");
    const auto l = lines(page.text());
    ASSERT_EQ(l.size(), 4u + 1 + 52 + 1 + 1 + 1 + 1 + 1);
    EXPECT_EQ(columnOf(l[2], "EIN"), 134);
    EXPECT_EQ(columnOf(l[3], "Dana Whitfield"), 17);
    EXPECT_EQ(columnOf(l[3], "2/1/2008"), 145);
    EXPECT_EQ(columnOf(l[4], "MediCare"), 43);
    EXPECT_EQ(columnOf(l[4], "Gross"), 197);
    EXPECT_EQ(columnOf(l[5], "1/12/2008"), 5);
    EXPECT_EQ(columnOf(l[7], " 0 "), 17);  // an unposted row
    EXPECT_EQ(columnOf(l[57], std::string(291, '-')), 5);
    EXPECT_EQ(columnOf(l[58], "TOTALS"), 5);
    EXPECT_EQ(columnOf(l[59], "Total Tips: "), 56);
    EXPECT_EQ(columnOf(l[59], "Total Cafeteria: .00"), 145);
    EXPECT_EQ(l[60], "");
}

TEST_F(PrintGolden, BiWeeklyReportPrintsTwentySixRows) {
    setBiWeekly();
    TextPage page;
    PrintYr(ctx, page, "2/1/2008");
    EXPECT_EQ(lines(page.text()).size(), 4u + 1 + 26 + 5);
}

struct ReportNumberCase {
    const char* name;
    float value;
    const char* text;
};

void PrintTo(const ReportNumberCase& c, std::ostream* os) { *os << c.name; }

class ReportNumber : public ::testing::TestWithParam<ReportNumberCase> {};

TEST_P(ReportNumber, HasItsBlanks) { EXPECT_EQ(reportNumber(GetParam().value), GetParam().text); }

INSTANTIATE_TEST_SUITE_P(Table, ReportNumber,
                         ::testing::Values(ReportNumberCase{"zero", 0, " 0 "},
                                           ReportNumberCase{"one_decimal", 12.5f, " 12.5 "},
                                           ReportNumberCase{"leading_point", 0.5f, " .5 "},
                                           ReportNumberCase{"negative", -3.25f, "-3.25 "},
                                           ReportNumberCase{"seven_digits", 1234567, " 1234567 "}),
                         testing::CaseName());

}  // namespace
}  // namespace corvanta::testing
