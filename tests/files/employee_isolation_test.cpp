// Working through several employees in one sitting: each one's figures are those she would
// have alone, however the previous employee was set up.
#include <gtest/gtest.h>

#include <filesystem>

#include "session/core/calculate.h"
#include "session/files/session.h"
#include "session/print/stub_figures.h"
#include "session/side/leave_record.h"
#include "session/ytd/ledger_file.h"
#include "session/ytd/ledger_ops.h"
#include "support/scripted_prompts.h"
#include "support/temp_folder.h"
#include "tax/state/state_dialog_model.h"

namespace corvanta {
namespace {

using testing::ScriptedPrompts;
using testing::TempFolder;

class EmployeeIsolationTest : public ::testing::Test {
  protected:
    EmployeeIsolationTest() { dir.copyFederalTable(); }

    Session session() {
        return Session(ctx, prompts, [] { return std::string("1/5/2008"); });
    }
    void newEmployee(const std::string& name, float rate, bool biWeekly = false) {
        prompts.yesNo.push_back(false);
        prompts.texts.push_back(name);
        session().New();
        ctx.profile.HourlyRate = rate;
        if (biWeekly) {
            ctx.profile.frequency = PayFrequency::BiWeekly;
        }
        SaveUserFiles(ctx);
    }
    void open(const std::string& name) {
        prompts.files.push_back(dir.path() / (name + ".use"));
        session().Open();
        ASSERT_EQ(ctx.UserFileBase, name);
    }
    void calculate(const char* straightHours) {
        ctx.window.txtAmount = {straightHours, "", "", "", "", "", "", ""};
        ctx.window.txtWeek = "1/5/2008";
        Calcu_late(ctx);
    }
    // Rows first..last (0-based) with this gross and SDI, saved in the ledger file.
    void postRows(int first, int last, float gross, float sdi) {
        for (int i = first; i <= last; ++i) {
            ctx.ledger.rows[i].WeekLabel = "row" + std::to_string(i + 1);
            ctx.ledger.rows[i].Gross = gross;
            ctx.ledger.rows[i].Sdi = sdi;
        }
        showLedgerGrid(ctx.ledger, ctx.profile);
        SaveAnnual(ctx);
    }

    TempFolder dir;
    PayrollContext ctx = dir.context();
    ScriptedPrompts prompts;
};

// Anna is weekly with a full year past the Social Security wage base, SDI and leave
// balances; Beth, bi-weekly, has neither ledger nor leave file.
class AfterAFullYear : public EmployeeIsolationTest {
  protected:
    void SetUp() override {
        newEmployee("Beth", 10, true);
        std::filesystem::remove(dir / "Beth.hol");
        newEmployee("Anna", 10);
        ctx.leaveDialog.loaded = true;
        ctx.leaveDialog.txtVacBal = "40";
        SaveVac(ctx);
        ASSERT_FLOAT_EQ(ctx.leave.VacationStart, 40.0f);
        postRows(0, 51, 2000, 5);
        open("Beth");
    }
};

TEST_F(AfterAFullYear, TheNextEmployeeStartsWithAnEmptyLedgerAndLeaveRecord) {
    EXPECT_EQ(ctx.ledger.totals.YtdGross, Currency{});
    EXPECT_FLOAT_EQ(ctx.ledger.totals.YtdSdi, 0.0f);
    for (const LedgerRow& row : ctx.ledger.rows) EXPECT_FLOAT_EQ(row.Gross, 0.0f);
    EXPECT_FLOAT_EQ(ctx.leave.VacationStart, 0.0f);
}

TEST_F(AfterAFullYear, HerSocialSecurityIsHersAndHerLeaveFileHerOwn) {
    calculate("40");
    EXPECT_FLOAT_EQ(ctx.result.SocSecTax, 24.80f);
    const LeaveRecord written = parseLeaveFile(dir.read("Beth.hol"), "Beth.hol", LeaveRecord{});
    EXPECT_FLOAT_EQ(written.VacationStart, 0.0f);
}

TEST_F(AfterAFullYear, SavingHerLedgerWritesNoneOfTheOtherRows) {
    ASSERT_TRUE(AddAnnual(ctx));
    SaveAnnual(ctx);
    const YtdLedger saved = parseLedgerFile(dir.read("Beth.yrb"), "Beth.yrb", 26, YtdLedger{});
    EXPECT_EQ(saved.totals.YtdGross, Currency{});
    for (int i = 0; i < 26; ++i) EXPECT_FLOAT_EQ(saved.rows[i].Gross, 0.0f) << i;
}

TEST_F(EmployeeIsolationTest, StubFiguresAfterOpenAreTheOpenedEmployees) {
    newEmployee("Beth", 12);
    postRows(0, 1, 480, 1);
    newEmployee("Anna", 10);
    postRows(0, 9, 400, 5);
    calculate("40");
    EXPECT_FLOAT_EQ(ctx.result.Reg1Pay, 400.0f);
    open("Beth");
    const StubFigures f = stubFigures(ctx);
    EXPECT_EQ(f.earnings[kRegular1].earnings, ".00");
    EXPECT_EQ(f.taxes[5].label, "State Disability Ins");
    EXPECT_EQ(f.taxes[5].ytd, "2.00");
    EXPECT_EQ(f.ytdGross, "960.00");
}

TEST_F(EmployeeIsolationTest, ALedgerReadAloneCarriesItsInsuranceTotals) {
    newEmployee("Anna", 10);
    postRows(0, 2, 400, 1.25f);
    PayrollContext fresh = dir.context();
    fresh.UserFileBase = "Anna";
    LoadLedger(fresh);
    EXPECT_FLOAT_EQ(fresh.ledger.totals.YtdSdi, 3.75f);
}

// Settings that used to survive in the state dialog's cells and be captured again by New.
TEST_F(EmployeeIsolationTest, NewStartsWithoutThePreviousStateSettings) {
    newEmployee("Anna", 10);
    StateDialogModel& d = ctx.stateDialog;
    d.txtSDIpercent = "1";
    d.txtSDIwageBase = "10000";
    d.ckSDI = 1;
    d.txtSUIpercent = "2";
    d.txtSUIwageBase = "8000";
    d.ckSUI = 1;
    d.txtStateAdj = "5";
    d.txtCalAllow = "3";
    captureStateDialog(d, ctx.state);
    ctx.loaded.stateDialog = true;
    SaveUserFiles(ctx);
    ASSERT_FLOAT_EQ(ctx.state.StateAdjustment, 5.0f);

    newEmployee("Cara", 0);
    EXPECT_FLOAT_EQ(ctx.state.SdiPercent, 0.0f);
    EXPECT_FLOAT_EQ(ctx.state.SuiPercent, 0.0f);
    EXPECT_FLOAT_EQ(ctx.state.StateAdjustment, 0.0f);
    EXPECT_FLOAT_EQ(ctx.state.CalAllowance, 0.0f);
    calculate("");
    EXPECT_FLOAT_EQ(ctx.result.NetPay, 0.0f);
    EXPECT_DOUBLE_EQ(ctx.result.StateWithholding, 0.0);
}

TEST_F(EmployeeIsolationTest, NewUsesTheDefaultNonCityTable) {
    newEmployee("Anna", 10);
    ctx.nonCity.NonCityRate = 0.02f;
    SaveUserFiles(ctx);
    newEmployee("Cara", 25, true);
    EXPECT_FLOAT_EQ(ctx.nonCity.NonCityRate, 0.0045f);
    ctx.profile.NonCityResident = 1;
    SaveUserFiles(ctx);
    calculate("40");  // 1000 bi-weekly: row 3, exemption 38
    EXPECT_NEAR(ctx.result.LocalTax, 4.33, 1e-9);
}

TEST_F(EmployeeIsolationTest, OpenWithoutANonCityFileUsesTheDefaultTable) {
    newEmployee("Cara", 25, true);
    ctx.profile.NonCityResident = 1;
    SaveUserFiles(ctx);
    std::filesystem::remove(dir / "Cara.nci");
    newEmployee("Anna", 10);
    ctx.nonCity.NonCityRate = 0.02f;
    SaveUserFiles(ctx);
    open("Cara");
    EXPECT_FLOAT_EQ(ctx.nonCity.NonCityRate, 0.0045f);
    calculate("40");
    EXPECT_NEAR(ctx.result.LocalTax, 4.33, 1e-9);
}

TEST_F(EmployeeIsolationTest, ClearLeavesTheStoredSettings) {
    newEmployee("Anna", 10);
    ctx.stateDialog.txtStateAdj = "5";
    captureStateDialog(ctx.stateDialog, ctx.state);
    SaveUserFiles(ctx);
    calculate("40");
    ClearAll(ctx, "1/5/2008");
    EXPECT_FLOAT_EQ(ctx.result.GrossPay, 0.0f);
    EXPECT_FLOAT_EQ(ctx.result.Reg1Pay, 0.0f);
    SaveUserFiles(ctx);
    PayrollContext fresh = dir.context();
    prompts.files.push_back(dir.path() / "Anna.use");
    Session(fresh, prompts, [] { return std::string("1/5/2008"); }).Open();
    EXPECT_FLOAT_EQ(fresh.state.StateAdjustment, 5.0f);
}

}  // namespace
}  // namespace corvanta
