#include "session/ytd/ledger_file.h"

#include <gtest/gtest.h>

#include "session/core/calculate.h"
#include "session/files/open_employee.h"
#include "session/ytd/ledger_ops.h"
#include "support/temp_folder.h"

namespace corvanta {
namespace {

using testing::TempFolder;

std::string zeroBlock() { return "\"\",0,0,0,0\r\n0,0,0,0,0\r\n0,0,0,0,0\r\n0,0,0,0\r\n"; }

YtdLedger postedLedger() {
    YtdLedger ledger;
    LedgerGridRow& g = ledger.grid[0];
    g.txtDate = "1/5/2008";
    g.taxCells = {"100.50", "62.00", "14.50", "30.25", ".00",  "5.00",
                  "2.00",   "3.00",  "4.00",  ".50",   "40.00"};
    g.txtOT = "150.00";
    g.txtTips = "12.50";
    g.grossText = "1000.00";
    g.netText = "800.25";
    ledger.rows[0].Sdi = 1.2f;
    ledger.rows[0].Cafeteria = 10;
    ledger.totals.YtdFederal = 100.5f;
    ledger.totals.YtdGross = Currency::fromDouble(1000);
    ledger.totals.YtdNet = Currency::fromDouble(800.25);
    ledger.totals.YtdTips = Currency::fromDouble(12.5);
    return ledger;
}

TEST(LedgerFile, WeeklyLayoutByteForByte) {
    const std::string text = formatLedgerFile(postedLedger(), kLedgerRows);
    const std::string row1 =
        "\"1/5/2008\",100.5,62,14.5,30.25\r\n"
        "0,5,2,3,4\r\n"
        ".5,40,150,1000,800.25\r\n"
        "1.2,0,10,12.5\r\n";
    ASSERT_EQ(text.substr(0, row1.size()), row1);
    std::string rest;
    for (int i = 1; i < kLedgerRows; ++i) rest += zeroBlock();
    rest += "100.5,0,0,0,0\r\n0,0,0,0,0\r\n0,0,1000,800.25,12.5\r\n";
    EXPECT_EQ(text.substr(row1.size()), rest);
}

TEST(LedgerFile, BiWeeklyFileHas26Blocks) {
    const std::string text = formatLedgerFile(YtdLedger{}, kLedgerRows / 2);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 26 * 4 + 3);
}

TEST(LedgerFile, ReaderAgreesWithWriterFieldForField) {
    const YtdLedger original = postedLedger();
    const YtdLedger read =
        parseLedgerFile(formatLedgerFile(original, kLedgerRows), "x.yrw", kLedgerRows, {});
    const LedgerRow& r = read.rows[0];
    EXPECT_EQ(r.WeekLabel, "1/5/2008");
    EXPECT_FLOAT_EQ(r.Federal, 100.5f);
    EXPECT_FLOAT_EQ(r.Misc, 0.5f);
    EXPECT_FLOAT_EQ(r.KPlan, 40.0f);
    EXPECT_FLOAT_EQ(r.Overtime, 150.0f);
    EXPECT_FLOAT_EQ(r.Gross, 1000.0f);
    EXPECT_FLOAT_EQ(r.Net, 800.25f);
    EXPECT_FLOAT_EQ(r.Sdi, 1.2f);
    EXPECT_FLOAT_EQ(r.Cafeteria, 10.0f);
    EXPECT_FLOAT_EQ(r.Tips, 12.5f);
    EXPECT_EQ(read.totals.YtdGross, original.totals.YtdGross);
    EXPECT_EQ(read.totals.YtdNet, original.totals.YtdNet);
    EXPECT_EQ(read.totals.YtdTips, original.totals.YtdTips);
}

TEST(LedgerFile, SaveAnnualWritesTheFileOfTheFrequency) {
    TempFolder dir;
    PayrollContext ctx = dir.context();
    ctx.UserFileBase = "Smith";
    ctx.ledger = postedLedger();
    Update(ctx);
    SaveAnnual(ctx);
    EXPECT_TRUE(dir.exists("Smith.yrw"));
    const std::string text = dir.read("Smith.yrw");
    const std::string last = "40,150,1000,800.25,12.5\r\n";  // totals recomputed first
    EXPECT_EQ(text.substr(text.size() - last.size()), last);
}

// Totals that stop at a value out of range are not stored as the year's: the file stays.
TEST(LedgerFile, SaveAnnualWithTotalsOutOfRangeKeepsTheFile) {
    TempFolder dir;
    PayrollContext ctx = dir.context();
    ctx.UserFileBase = "Smith";
    ctx.ledger = postedLedger();
    Update(ctx);
    SaveAnnual(ctx);
    const std::string before = dir.read("Smith.yrw");
    ctx.ledger.grid[0].taxCells[0] = "3e38";
    ctx.ledger.grid[1].taxCells[0] = "3e38";
    Update(ctx);
    try {
        SaveAnnual(ctx);
        FAIL() << "saved";
    } catch (const FileError& e) {
        EXPECT_EQ(e.fileName(), "Smith.yrw");
    }
    EXPECT_EQ(dir.read("Smith.yrw"), before);
}

class LoadLedgerTest : public ::testing::Test {
  protected:
    TempFolder dir;
    PayrollContext ctx = dir.context();
};

TEST_F(LoadLedgerTest, ShowsLoadedRowsInGeneralForm) {
    dir.write(".yrw", formatLedgerFile(postedLedger(), kLedgerRows));
    LoadLedger(ctx);
    EXPECT_EQ(ctx.ledger.grid[0].taxCells[0], "100.5");
    EXPECT_EQ(ctx.ledger.grid[0].taxCells[4], "0");  // a loaded zero
    EXPECT_EQ(ctx.ledger.grid[0].grossText, "1000");
    EXPECT_EQ(ctx.ledger.deductionHeadings[0], "CrUnion");
}

TEST_F(LoadLedgerTest, WeeklyFileIsNotFoundForBiWeeklyPay) {
    dir.write(".yrw", formatLedgerFile(postedLedger(), kLedgerRows));
    ctx.profile.frequency = PayFrequency::BiWeekly;
    ctx.ledger.rows[0].Gross = 7;
    LoadLedger(ctx);
    EXPECT_FLOAT_EQ(ctx.ledger.rows[0].Gross, 7.0f);
}

TEST_F(LoadLedgerTest, TruncatedFileIsReportedAndChangesNothing) {
    std::string text = formatLedgerFile(postedLedger(), kLedgerRows);
    text.resize(text.size() / 2);
    dir.write(".yrw", text);
    ctx.ledger.rows[0].WeekLabel = "kept";
    ctx.ledger.rows[0].Gross = 7;
    try {
        LoadLedger(ctx);
        FAIL() << "a truncated ledger was accepted";
    } catch (const FileError& e) {
        EXPECT_EQ(e.fileName(), ".yrw");
        EXPECT_NE(std::string(e.what()).find("\".yrw\""), std::string::npos);
        EXPECT_NE(std::string(e.what()).find("not loaded"), std::string::npos);
    }
    EXPECT_EQ(ctx.ledger.rows[0].WeekLabel, "kept");
    EXPECT_FLOAT_EQ(ctx.ledger.rows[0].Gross, 7.0f);
    EXPECT_EQ(dir.read(".yrw"), text);
}

TEST_F(LoadLedgerTest, MalformedNumberNamesTheLine) {
    std::string text = formatLedgerFile(postedLedger(), kLedgerRows);
    text.replace(text.find("62"), 2, "xx");
    dir.write(".yrw", text);
    try {
        LoadLedger(ctx);
        FAIL() << "a malformed ledger was accepted";
    } catch (const FileError& e) {
        EXPECT_NE(std::string(e.what()).find("line 1"), std::string::npos) << e.what();
    }
}

// A ledger is damaged when it does not end where the rows of its frequency and the totals do,
// or holds a text where a number belongs: refused with the file, the line and the value.
struct DamagedLedger {
    const char* name;
    std::string content;
    int rows;  // as the frequency reading it holds
    int line;
    int field;
    const char* value;
};

void PrintTo(const DamagedLedger& c, std::ostream* os) { *os << c.name; }

std::string totalsLines() { return "0,0,0,0,0\r\n0,0,0,0,0\r\n0,104000,104000,0,0\r\n"; }

std::string blocks(int count) {
    std::string out;
    for (int i = 0; i < count; ++i) {
        out += "\"" + std::to_string(i + 1) +
               "/5/2008\",0,0,0,0\r\n0,0,0,0,0\r\n0,0,0,2000,0\r\n0,0,0,0\r\n";
    }
    return out;
}

std::string quotedNumber() {
    std::string text = blocks(kLedgerRows) + totalsLines();
    text.replace(text.find(",2000,"), 6, ",\"2000\",");
    return text;
}

class DamagedLedgerTest : public ::testing::TestWithParam<DamagedLedger> {};

TEST_P(DamagedLedgerTest, IsRefusedNamingFileLineAndValue) {
    const DamagedLedger& c = GetParam();
    try {
        parseLedgerFile(c.content, "Smith.yrw", c.rows, {});
        FAIL() << "a damaged ledger was read";
    } catch (const RecordFormatError& e) {
        EXPECT_EQ(e.fileName(), "Smith.yrw");
        EXPECT_EQ(e.line(), c.line) << e.what();
        EXPECT_EQ(e.field(), c.field) << e.what();
        EXPECT_NE(std::string(e.what()).find(c.value), std::string::npos) << e.what();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Ledgers, DamagedLedgerTest,
    ::testing::Values(
        // The 53rd block would be taken for the totals and the year's gross read as 0.
        DamagedLedger{"SixtyWeeklyBlocks", blocks(60) + totalsLines(), kLedgerRows, 52 * 4 + 1, 1,
                      "\"53/5/2008\""},
        DamagedLedger{"WeeklyBlocksReadBiWeekly", blocks(52) + totalsLines(), kLedgerRows / 2,
                      26 * 4 + 1, 1, "\"27/5/2008\""},
        DamagedLedger{"ALineAfterTheTotals", blocks(52) + totalsLines() + "5\r\n", kLedgerRows,
                      52 * 4 + 4, 1, "\"5\""},
        DamagedLedger{"AValueAfterTheLastTotal",
                      blocks(52) + "0,0,0,0,0\r\n0,0,0,0,0\r\n0,104000,104000,0,0,9\r\n",
                      kLedgerRows, 52 * 4 + 3, 6, "\"9\""},
        DamagedLedger{"QuotedNumber", quotedNumber(), kLedgerRows, 3, 4, "\"2000\""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LedgerFile, BlankLinesAfterTheTotalsAreAccepted) {
    const YtdLedger read =
        parseLedgerFile(blocks(52) + totalsLines() + "\r\n", "Smith.yrw", kLedgerRows, {});
    EXPECT_EQ(read.totals.YtdGross, Currency::fromDouble(104000));
}

TEST_F(LoadLedgerTest, ADamagedLedgerKeepsTheYearsGrossOutOfTheCalculation) {
    dir.copyFederalTable();
    dir.write("Smith.yrw", blocks(60) + totalsLines());
    EXPECT_THROW(OpenEmployee(ctx, "Smith", "1/5/2008"), FileError);
    EXPECT_EQ(dir.read("Smith.yrw"), blocks(60) + totalsLines());
}

TEST_F(LoadLedgerTest, LoadedYtdGrossLimitsTheNextSocialSecurityTax) {
    dir.copyFederalTable();
    YtdLedger ledger;
    ledger.totals.YtdGross = Currency::fromDouble(101500);  // the file's total, not the rows'
    dir.write("Smith.yrw", formatLedgerFile(ledger, kLedgerRows));
    OpenEmployee(ctx, "Smith", "1/5/2008");
    EXPECT_EQ(ctx.ledger.totals.YtdGross, Currency::fromDouble(101500));
    ctx.profile.HourlyRate = 25;
    ctx.window.txtAmount[0] = "40";
    Calcu_late(ctx, CalculateOptions{.save = false});
    EXPECT_FLOAT_EQ(ctx.result.GrossPay, 1000.0f);
    EXPECT_FLOAT_EQ(ctx.result.SocSecTax, 31.0f);
}

TEST_F(LoadLedgerTest, WithoutLedgerTheFullSocialSecurityTaxApplies) {
    dir.copyFederalTable();
    OpenEmployee(ctx, "Smith", "1/5/2008");
    ctx.profile.HourlyRate = 25;
    ctx.window.txtAmount[0] = "40";
    Calcu_late(ctx, CalculateOptions{.save = false});
    EXPECT_FLOAT_EQ(ctx.result.SocSecTax, 62.0f);
}

}  // namespace
}  // namespace corvanta
