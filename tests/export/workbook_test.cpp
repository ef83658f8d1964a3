#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <regex>
#include <sstream>
#include <vector>

#include "base/core/user_error.h"
#include "export/ledger_sheet.h"
#include "export/ledger_workbook.h"
#include "support/payroll_fixture.h"
#include "support/print_scenario.h"

namespace corvanta::testing {
namespace {

bool haveUnzip() { return std::system("command -v unzip >/dev/null 2>&1") == 0; }

std::string member(const std::filesystem::path& xlsx, const std::string& name) {
    const auto out = xlsx.parent_path() / "member.xml";
    const std::string command =
        "unzip -p '" + xlsx.string() + "' " + name + " > '" + out.string() + "'";
    EXPECT_EQ(std::system(command.c_str()), 0);
    return readText(out);
}

// The cells of the sheet by reference ("B54"), strings resolved through the shared table.
class Workbook {
  public:
    explicit Workbook(const std::filesystem::path& xlsx)
        : sheet_(member(xlsx, "xl/worksheets/sheet1.xml")) {
        const std::string shared = member(xlsx, "xl/sharedStrings.xml");
        const std::regex si("<si><t[^>]*>([^<]*)</t></si>");
        for (auto it = std::sregex_iterator(shared.begin(), shared.end(), si);
             it != std::sregex_iterator(); ++it) {
            strings_.push_back((*it)[1]);
        }
    }
    std::string value(const std::string& ref) const {
        const std::regex cell("<c r=\"" + ref + "\"([^>]*)>(?:<f>[^<]*</f>)?<v>([^<]*)</v>");
        std::smatch m;
        if (!std::regex_search(sheet_, m, cell)) return "<none>";
        if (std::string(m[1]).find("t=\"s\"") != std::string::npos) {
            return strings_.at(std::stoul(m[2]));
        }
        return m[2];
    }
    const std::string& xml() const { return sheet_; }

  private:
    std::string sheet_;
    std::vector<std::string> strings_;
};

class WorkbookExport : public PayrollFixture {
  protected:
    void SetUp() override {
        PayrollFixture::SetUp();
        fillPrintScenario(ctx);
    }
    Workbook exported() {
        ToExcel(ctx, folder / "ledger.xlsx");
        return Workbook(folder / "ledger.xlsx");
    }
};

TEST_F(WorkbookExport, WeeklyCellsAndTotals) {
    if (!haveUnzip()) GTEST_SKIP() << "unzip is not installed";
    const Workbook wb = exported();
    EXPECT_EQ(wb.value("A1"), "Date");
    EXPECT_EQ(wb.value("C1"), "Soc Sec");
    EXPECT_EQ(wb.value("G1"), "CrUnion");
    EXPECT_EQ(wb.value("L1"), "Kplan");
    EXPECT_EQ(wb.value("O1"), "Net");
    EXPECT_EQ(wb.value("P1"), "Gross");
    EXPECT_EQ(wb.value("A2"), "1/12/2008");
    EXPECT_EQ(wb.value("B2"), "206.43");
    EXPECT_EQ(wb.value("O2"), "738.45");   // net pay under "Net"
    EXPECT_EQ(wb.value("P2"), "1194.69");  // gross pay under "Gross"
    EXPECT_EQ(wb.value("A3"), "1/19/2008");
    EXPECT_EQ(wb.value("A54"), "TOTALS=");
    EXPECT_EQ(wb.value("B54"), "412.86");
    EXPECT_EQ(wb.value("O54"), "1476.9");
    EXPECT_EQ(wb.value("P54"), "2389.38");
    EXPECT_EQ(wb.value("C56"), "SDI");
    EXPECT_EQ(wb.value("F56"), "Tips");
    EXPECT_EQ(wb.value("C57"), "0");
    EXPECT_NE(wb.xml().find("<pane ySplit=\"1\""), std::string::npos);
    EXPECT_NE(wb.xml().find("orientation=\"landscape\""), std::string::npos);
    EXPECT_NE(wb.xml().find("fitToPage=\"1\""), std::string::npos);
    EXPECT_NE(wb.xml().find("horizontalCentered=\"1\""), std::string::npos);
    EXPECT_NE(wb.xml().find("<oddFooter>&amp;LDana Whitfield    123-45-6789&amp;CCorvanta 2008"),
              std::string::npos);
    EXPECT_NE(
        wb.xml().find("left=\"0\" right=\"0\" top=\"0\" bottom=\"0\" header=\"0\" footer=\"0\""),
        std::string::npos);
}

TEST_F(WorkbookExport, BiWeeklyLayout) {
    if (!haveUnzip()) GTEST_SKIP() << "unzip is not installed";
    setBiWeekly();
    const Workbook wb = exported();
    EXPECT_EQ(wb.value("A2"), "1/12/2008");
    EXPECT_EQ(wb.value("A28"), "TOTALS=");
    EXPECT_EQ(wb.value("P28"), "2389.38");
    EXPECT_EQ(wb.value("D31"), "SUI");
    EXPECT_EQ(wb.value("E31"), "Cafe");
    EXPECT_EQ(wb.value("C32"), "0");
    EXPECT_EQ(wb.value("A54"), "<none>");
}

TEST_F(WorkbookExport, StatusTextGoesIntoTheDocumentComments) {
    if (!haveUnzip()) GTEST_SKIP() << "unzip is not installed";
    ToExcel(ctx, folder / "ledger.xlsx");
    const std::string core = member(folder / "ledger.xlsx", "docProps/core.xml");
    EXPECT_NE(core.find("File: Dana Whitfield   123-45-6789  -  Copyright"), std::string::npos);
}

TEST(LedgerSheet, StylesAndWidths) {
    PayrollContext ctx;
    ctx.ledger.grid[0].txtDate = "12/31/2008 extra long";
    const LedgerSheet sheet = ledgerSheet(ctx);
    int boldRed56 = 0;
    int blue57 = 0;
    for (const SheetCell& c : sheet.cells) {
        if (c.row == 56 && c.style == CellStyle::BoldRed) ++boldRed56;
        if (c.row == 57 && c.style == CellStyle::Blue) ++blue57;
    }
    EXPECT_EQ(boldRed56, 7);
    EXPECT_EQ(blue57, 7);
    EXPECT_EQ(sheet.widths[0], 21 + 2);
}

// As every file the program makes: what the umask allows the owner and the group, never others.
TEST_F(WorkbookExport, NewFileIsNeverWorldReadableAndAFailureNamesTheFile) {
    const mode_t previous = ::umask(002);
    ToExcel(ctx, folder / "ledger.xlsx");
    ::umask(previous);
    struct stat st {};
    ASSERT_EQ(::stat((folder / "ledger.xlsx").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0660u);
    try {
        ToExcel(ctx, folder / "no-such-folder" / "ledger.xlsx");
        FAIL() << "no error";
    } catch (const FileError& e) {
        EXPECT_EQ(e.fileName(), "ledger.xlsx");
    }
}

TEST_F(WorkbookExport, RewriteKeepsTheModeAndLeavesNoTemporaryFile) {
    ToExcel(ctx, folder / "ledger.xlsx");
    ::chmod((folder / "ledger.xlsx").c_str(), 0640);
    ToExcel(ctx, folder / "ledger.xlsx");
    struct stat st {};
    ASSERT_EQ(::stat((folder / "ledger.xlsx").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
        EXPECT_EQ(entry.path().filename().string().find(".tmp"), std::string::npos);
    }
}

}  // namespace
}  // namespace corvanta::testing

namespace corvanta::testing {
namespace {

// A real spreadsheet program reads the workbook: its CSV of the sheet holds the cells.
class SpreadsheetProgram : public WorkbookExport, public ::testing::WithParamInterface<bool> {
  protected:
    std::vector<std::string> csvLines() {
        ToExcel(ctx, folder / "ledger.xlsx");
        const std::string dir = folder.path().string();
        const std::string command = "cd '" + dir + "' && HOME='" + dir +
                                    "' soffice --headless --convert-to csv ledger.xlsx "
                                    ">/dev/null 2>&1";
        EXPECT_EQ(std::system(command.c_str()), 0);
        std::vector<std::string> lines;
        std::istringstream in(readText(folder / "ledger.csv"));
        for (std::string line; std::getline(in, line);) lines.push_back(line);
        return lines;
    }
};

TEST_P(SpreadsheetProgram, ReadsTheCellsInTheirRows) {
    if (std::system("command -v soffice >/dev/null 2>&1") != 0) {
        GTEST_SKIP() << "LibreOffice (soffice) is not installed; the zip-level checks stand in";
    }
    const bool biWeekly = GetParam();
    if (biWeekly) setBiWeekly();
    const auto lines = csvLines();
    const std::size_t totals = biWeekly ? 27 : 53;  // the row after the periods in use
    ASSERT_GT(lines.size(), totals);
    EXPECT_EQ(lines[0].rfind("Date,", 0), 0u) << lines[0];
    EXPECT_EQ(lines[1].rfind("1/12/2008,206.43", 0), 0u) << lines[1];
    EXPECT_EQ(lines[totals].rfind("TOTALS=,412.86", 0), 0u) << lines[totals];
}

INSTANTIATE_TEST_SUITE_P(WeeklyAndBiWeekly, SpreadsheetProgram, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "bi_weekly" : "weekly"; });

}  // namespace
}  // namespace corvanta::testing
