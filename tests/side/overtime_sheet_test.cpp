#include <gtest/gtest.h>

#include <cmath>

#include "session/side/overtime_sheet_ops.h"
#include "support/temp_folder.h"

namespace corvanta {
namespace {

using testing::TempFolder;

class OvertimeSheetTest : public ::testing::Test {
  protected:
    OvertimeSheetTest() {
        ctx.showMessage = [this](const UserMessage& m) { messages.push_back(m); };
    }
    void biWeekly() { ctx.profile.frequency = PayFrequency::BiWeekly; }
    OvertimeSheetWindow& sheet() { return ctx.overtimeWindow; }

    TempFolder dir;
    PayrollContext ctx = dir.context();
    std::vector<UserMessage> messages;
};

TEST_F(OvertimeSheetTest, TotalComputesEarnedLimitAndAvailable) {
    loadOvertimeSheet(ctx);
    sheet().txtAnnual = "52000";
    sheet().txtApPercent = "5";
    sheet().txtOT[0] = "100";
    sheet().txtOT[1] = "250.5";
    sheet().txtOT[2] = "";
    ASSERT_TRUE(TotalOvertime(ctx));
    EXPECT_EQ(sheet().lbEarned, "$350.50");
    EXPECT_EQ(sheet().lbMax, "$2,600.00");
    EXPECT_EQ(sheet().lbAvail, "$2,249.50");
    EXPECT_EQ(sheet().txtPercent, ".67%");
    EXPECT_EQ(sheet().txtOT[2], "0");
    EXPECT_FLOAT_EQ(ctx.overtime.AnnualSalary, 52000.0f);
    EXPECT_EQ(ctx.overtime.WeekOvertime[1], "250.5");
    EXPECT_TRUE(dir.exists(".use"));
    EXPECT_TRUE(dir.exists(".ovw"));
}

// The percent pattern leaves "." for zero and "5." for whole percents; the sheet shows digits.
TEST_F(OvertimeSheetTest, PercentOfSalaryAlwaysShowsDigits) {
    const struct {
        const char* overtime;
        const char* shown;
    } cases[] = {{"0", "0%"}, {"2600", "5%"}, {"26", ".05%"}, {"-2600", "-5%"}, {"1300", "2.5%"}};
    for (const auto& c : cases) {
        loadOvertimeSheet(ctx);
        sheet().txtAnnual = "52000";
        sheet().txtApPercent = "5";
        sheet().txtOT[0] = c.overtime;
        ASSERT_TRUE(TotalOvertime(ctx));
        EXPECT_EQ(sheet().txtPercent, c.shown) << c.overtime;
    }
}

TEST_F(OvertimeSheetTest, OverTheLimitLeavesNegativeAvailable) {
    loadOvertimeSheet(ctx);
    sheet().txtAnnual = "10000";
    sheet().txtApPercent = "1";
    sheet().txtOT[0] = "150";
    ASSERT_TRUE(TotalOvertime(ctx));
    EXPECT_DOUBLE_EQ(ctx.overtime.OtAvailable, -50.0);
    EXPECT_EQ(sheet().lbAvail, "-$50.00");
}

// A pasted "1e999" anywhere: a message, nothing shown changes, nothing is saved; New still
// clears the sheet.
TEST_F(OvertimeSheetTest, AmountsTooLargeToAddUpChangeNothing) {
    const struct {
        const char* annual;
        const char* percent;
        const char* overtime;
    } cases[] = {{"1e999", "5", "100"},
                 {"52000", "1e999", "100"},
                 {"52000", "5", "1e999"},
                 {"-1e999", "5", "1"}};
    for (const auto& c : cases) {
        TempFolder other;
        PayrollContext sheetCtx = other.context();
        std::vector<UserMessage> shown;
        sheetCtx.showMessage = [&](const UserMessage& m) { shown.push_back(m); };
        loadOvertimeSheet(sheetCtx);
        OvertimeSheetWindow& w = sheetCtx.overtimeWindow;
        w.txtAnnual = c.annual;
        w.txtApPercent = c.percent;
        w.txtOT[0] = c.overtime;
        const std::string earned = w.lbEarned;
        EXPECT_FALSE(TotalOvertime(sheetCtx)) << c.annual << c.percent << c.overtime;
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0].text, kOvertimeTooLargeText);
        EXPECT_EQ(w.lbEarned, earned);
        EXPECT_FALSE(other.exists(".use"));
        // Back refuses a salary or percentage no Single holds, naming it; the record keeps
        // what it had, so the sheet opens again.
        if (std::string(c.overtime) != "1e999") {
            EXPECT_THROW(BackOvertime(sheetCtx), UserError) << c.annual << c.percent;
        } else {
            BackOvertime(sheetCtx);  // an overtime box is kept as its text
        }
        EXPECT_TRUE(std::isfinite(sheetCtx.overtime.AnnualSalary));
        EXPECT_NO_THROW(FillInOT(sheetCtx));
        ClearOvertimeSheet(sheetCtx);
        EXPECT_EQ(w.lbMax, "$.00");
    }
}

TEST_F(OvertimeSheetTest, MissingSalaryAndPercentageAsksForThem) {
    loadOvertimeSheet(ctx);
    sheet().txtAnnual = "0";
    sheet().txtApPercent = "0";
    sheet().txtOT[0] = "100";
    EXPECT_FALSE(TotalOvertime(ctx));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, "Attention");
    EXPECT_EQ(messages[0].text,
              "Please enter amounts in\r\nAnnual Salary and\r\nApproved Percent Boxes.");
    EXPECT_FLOAT_EQ(ctx.overtime.OtEarned, 0.0f);
    EXPECT_FALSE(dir.exists(".use"));
}

TEST_F(OvertimeSheetTest, ZeroSalaryWithPercentageShowsZeroPercentAndAHint) {
    loadOvertimeSheet(ctx);
    sheet().txtAnnual = "0";
    sheet().txtApPercent = "5";
    sheet().txtOT[0] = "100";
    ASSERT_TRUE(TotalOvertime(ctx));
    EXPECT_FLOAT_EQ(ctx.overtime.OtPercentOfSalary, 0.0f);
    EXPECT_EQ(sheet().salaryHint, kNoSalaryHint);
    EXPECT_EQ(sheet().lbEarned, "$100.00");
    EXPECT_EQ(sheet().lbAvail, "-$100.00");
}

TEST_F(OvertimeSheetTest, BiWeeklyRowsBeyond26TakeNoPart) {
    biWeekly();
    loadOvertimeSheet(ctx);
    sheet().txtAnnual = "52000";
    sheet().txtApPercent = "5";
    sheet().txtOT[25] = "10";
    sheet().txtOT[26] = "1000";
    sheet().Text1[26] = "late";
    ASSERT_TRUE(TotalOvertime(ctx));
    EXPECT_FLOAT_EQ(ctx.overtime.OtEarned, 10.0f);
    NewWeek(ctx);
    EXPECT_EQ(sheet().txtOT[24], "10");
    EXPECT_EQ(sheet().txtOT[25], "0");
    EXPECT_EQ(sheet().Text1[26], "late");
    EXPECT_TRUE(dir.exists(".ovb"));
    const std::string rows = dir.read(".ovb");
    EXPECT_EQ(std::count(rows.begin(), rows.end(), '\n'), 52);
}

TEST_F(OvertimeSheetTest, NewWeekDropsTheOldestRow) {
    loadOvertimeSheet(ctx);
    sheet().Text1[1] = "1/12/2008";
    sheet().txtOT[1] = "7";
    sheet().Text1[51] = "12/27/2008";
    NewWeek(ctx);
    EXPECT_EQ(sheet().Text1[0], "1/12/2008");
    EXPECT_EQ(sheet().txtOT[0], "7");
    EXPECT_EQ(sheet().Text1[50], "12/27/2008");
    EXPECT_EQ(sheet().Text1[51], "");
    EXPECT_EQ(sheet().txtOT[51], "0");
}

TEST_F(OvertimeSheetTest, StoredZeroSalaryShowsDefaultAndNewEmployeeShowsOther) {
    FillInOT(ctx);
    EXPECT_EQ(sheet().txtAnnual, "15600");
    ClearOvertimeSheet(ctx);
    EXPECT_EQ(sheet().txtAnnual, "15600");  // a salary already shown is kept
    sheet().txtAnnual = "";
    ClearOvertimeSheet(ctx);
    EXPECT_EQ(sheet().txtAnnual, "11440");
    EXPECT_EQ(sheet().txtApPercent, "0");
    EXPECT_FLOAT_EQ(ctx.overtime.AnnualSalary, 11440.0f);
    EXPECT_DOUBLE_EQ(ctx.overtime.OtMaximum, 0.0);
}

TEST_F(OvertimeSheetTest, UndoReturnsToTheLastSaveWithoutTheDefault) {
    loadOvertimeSheet(ctx);
    sheet().txtAnnual = "0";
    sheet().txtApPercent = "5";
    sheet().txtOT[3] = "40";
    ASSERT_TRUE(TotalOvertime(ctx));
    sheet().txtOT[3] = "99";
    sheet().txtApPercent = "9";
    UndoOvertime(ctx);
    EXPECT_EQ(sheet().txtOT[3], "40");
    EXPECT_EQ(sheet().txtApPercent, "5");
    EXPECT_EQ(sheet().txtAnnual, "0");
}

TEST_F(OvertimeSheetTest, BackSavesTheRowsAndClosesTheSheet) {
    loadOvertimeSheet(ctx);
    sheet().Text1[0] = "1/5/2008";
    sheet().txtOT[0] = "";
    BackOvertime(ctx);
    EXPECT_FALSE(sheet().loaded);
    EXPECT_EQ(ctx.overtime.WeekEnding[0], "1/5/2008");
    EXPECT_EQ(dir.read(".ovw").substr(0, 15), "\"1/5/2008\"\r\n0\r\n");
}

}  // namespace
}  // namespace corvanta
