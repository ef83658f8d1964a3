#include <gtest/gtest.h>

#include "session/state/state_file.h"
#include "session/state/state_withholding.h"
#include "support/case_names.h"
#include "support/filing_status_of.h"
#include "support/payroll_fixture.h"

namespace corvanta {
namespace {

using testing::crlf;
using testing::PayrollFixture;

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        out.push_back(text.substr(start, end - start));
    }
    return out;
}

TEST_F(PayrollFixture, NewEmployeeSavesTheNewYorkTable) {
    ctx.state = StateSettings{};
    loadStateDialog(ctx);  // no state file: every blank cell takes its New York value
    WriteStateFile(ctx);
    const auto records = lines(folder.read("Test.sta"));
    ASSERT_EQ(records.size(), 23u);
    EXPECT_EQ(records[0], "0,0,.04,0,0,.04");
    EXPECT_EQ(records[1], "308,12.31,.045,308,12.31,.045");
    EXPECT_EQ(records[8], "999999,0,0,999999,0,0");
    EXPECT_EQ(records[10], "0");
    EXPECT_EQ(records[11], "268.3,287.5");
    EXPECT_EQ(records[20], "614.8,634");
    EXPECT_EQ(records[21], "0,0,0,0,0,0,0,0,0");
    EXPECT_EQ(records[22], "0,0,0,0,\"Single\",0,0,0,0,0,0");
}

TEST_F(PayrollFixture, StateRecordTwentyThreeLayout) {
    ctx.profile.StateExemptions = 2;
    ctx.state.UseOregon = 1;
    EXPECT_EQ(lines(formatStateFile(ctx.state, ctx.profile))[22], "0,0,0,2,\"Single\",0,0,0,1,0,0");
}

TEST_F(PayrollFixture, StateFileRoundTrip) {
    ctx.state.SdiPercent = 1.2f;
    ctx.state.SuiWageBase = 7000;
    ctx.state.StateAdjustment = -2.5f;
    ctx.state.SdiUseBase = 1;
    ctx.state.UseAlabama = 1;
    ctx.profile.FedAddWithholding = 15;
    ctx.profile.SocSecMedExempt = 1;
    ctx.profile.StateStatus = FilingStatus::Married;
    WriteStateFile(ctx);
    PayrollContext other;
    other.folder = ctx.folder;
    ASSERT_TRUE(ReadStateFile(other, folder / "Test.sta"));
    EXPECT_EQ(formatStateFile(other.state, other.profile), folder.read("Test.sta"));
    EXPECT_EQ(other.stateDialog.txtStateAdj, "-2.5");
    EXPECT_EQ(other.stateDialog.methodBox(StateMethodId::Alabama), 1);
}

TEST_F(PayrollFixture, AShortStateFileNamesTheFileAndKeepsWhatWasRead) {
    WriteStateFile(ctx);
    const std::string full = folder.read("Test.sta");
    const std::string first22 = full.substr(0, full.rfind("0,0,0,0,\"Single\""));
    folder.write("Test.sta", first22);
    ctx.state.SdiPercent = 5;
    ctx.profile.FedExempt = 1;
    try {
        ReadStateFile(ctx, folder / "Test.sta");
        FAIL() << "a short state file was read";
    } catch (const UserError& e) {
        EXPECT_EQ(std::string(e.what()).rfind(
                      "You have corupted a file.\r\nFind file,\r\nTest.sta\r\nand delete it.", 0),
                  0u);
    }
    EXPECT_FLOAT_EQ(ctx.state.SdiPercent, 0);  // record 22 was read
    EXPECT_EQ(ctx.profile.FedExempt, 1);       // record 23 was not
    EXPECT_EQ(folder.read("Test.sta"), first22);
}

TEST_F(PayrollFixture, ADamagedDefaultFileIsNamedAsItself) {
    folder.write(".sta", "garbage\r\n");
    try {
        ReadStateFile(ctx, folder / ".sta");
        FAIL();
    } catch (const UserError& e) {
        EXPECT_NE(std::string(e.what()).find("\r\n.sta\r\n"), std::string::npos);
    }
}

TEST_F(PayrollFixture, ACellThatIsNotANumberIsRefusedWithTheRecordUnchanged) {
    loadStateDialog(ctx);
    const StateSettings before = ctx.state;
    ctx.stateDialog.txtStateAmtBS[3].text = "1-2";
    try {
        captureStateDialog(ctx.stateDialog, ctx.state);
        FAIL();
    } catch (const UserError& e) {
        EXPECT_STREQ(e.what(), "You have entered a NON numerial.");
    }
    EXPECT_FLOAT_EQ(ctx.state.SingleTable[3].Amount, before.SingleTable[3].Amount);
}

struct TableCase {
    const char* name;
    bool weekly;
    const char* status;
    float taxableGross;
    double withholding;
};

void PrintTo(const TableCase& c, std::ostream* os) { *os << c.name; }

class StateTableTest : public PayrollFixture, public ::testing::WithParamInterface<TableCase> {};

TEST_P(StateTableTest, NewYorkValues) {
    const TableCase& c = GetParam();
    if (!c.weekly) setBiWeekly();
    ctx.profile.StateStatus = statusOf(c.status);
    const std::string gross = shortestText(c.taxableGross);
    calculate({"", "", "", "", "", "", gross.c_str(), ""});
    EXPECT_DOUBLE_EQ(ctx.result.StateWithholding, c.withholding);
}

INSTANTIATE_TEST_SUITE_P(
    Generic, StateTableTest,
    ::testing::Values(
        TableCase{"single_biweekly_line_4", false, "Single", 1000, 35.21},  // 731.7 in line 4
        TableCase{"single_weekly_halved_line_4", true, "Single", 500,
                  17.61},  // 365.85 in halved line 4
        TableCase{"single_on_line_4_minimum", false, "Single", 768.3f,
                  21.54},                                           // exactly line 4's minimum
        TableCase{"single_below_line_1", false, "Single", 200, 0},  // below line 1: clamped to 0
        TableCase{"married_biweekly_line_4", false, "Married", 1000, 34.08},  // 712.5 in line 4
        TableCase{"married_weekly_halved_line", true, "Married", 500,
                  17.04},  // halved married lines
        TableCase{"single_line_8_unbounded", false, "Single", 10268.3f, 718.83}),
    testing::CaseName());  // line 8, unbounded

TEST_F(PayrollFixture, UnorderedMinimumsLetTheLastApplyingLineWin) {
    setBiWeekly();
    ctx.state.SingleAllowance[0] = 0;
    ctx.state.SingleTable[0] = {0, 0, 0.01f};
    ctx.state.SingleTable[1] = {1000, 0, 0.02f};
    ctx.state.SingleTable[2] = {100, 50, 0};
    ctx.state.SingleTable[3] = {2000, 0, 0.04f};
    calculate({"", "", "", "", "", "", "500", ""});
    EXPECT_DOUBLE_EQ(ctx.result.StateWithholding, 50);
}

TEST_F(PayrollFixture, CaliforniaAllowanceIsSubtractedFromTheTax) {
    setBiWeekly();
    ctx.state.CalAllowance = 5;
    calculate({"", "", "", "", "", "", "1000", ""});
    EXPECT_DOUBLE_EQ(ctx.result.StateWithholding, 30.21);
    ctx.profile.CafeteriaAmount = 100;
    ctx.profile.CafeteriaReducesState = 1;
    calculate({"", "", "", "", "", "", "1000", ""});
    EXPECT_DOUBLE_EQ(ctx.result.StateWithholding,
                     roundToCents((631.7f - 500) * 0.059f + 21.54f - 5.0));
}

TEST_F(PayrollFixture, NoStateTaxTableYieldsZero) {
    for (auto* table : {&ctx.state.SingleTable, &ctx.state.MarriedTable}) {
        for (BracketLine& line : *table) line = {kUnusedMinRange, 0, 0};
    }
    ctx.profile.HourlyRate = 25;
    calculateStraight("40");
    EXPECT_EQ(ctx.result.StateWithholding, 0);
}

}  // namespace
}  // namespace corvanta
