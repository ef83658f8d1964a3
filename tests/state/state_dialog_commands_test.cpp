// The state dialog's commands: method selection, New York, CLEAR ALL, NO STATE TAX, Use
// Base, Spouse Works, Get Default and the re-run after the dialog closes.
#include "session/state/state_dialog_commands.h"

#include <gtest/gtest.h>

#include "state_method_support.h"

namespace corvanta {
namespace {

using testing::Pay;
using testing::stateContext;

// The "Spouse Works" and "Round State" boxes after a method box is checked.
struct SelectionCase {
    StateMethodId id;
    int roundBefore;
    int spouse;
    bool spouseVisible;
    int round;
};

void PrintTo(const SelectionCase& c, std::ostream* os) { *os << testing::methodName(c.id); }

class StateSelection : public ::testing::TestWithParam<SelectionCase> {};

TEST_P(StateSelection, SpouseAndRoundFollowTheState) {
    const SelectionCase& c = GetParam();
    PayrollContext ctx = stateContext(Pay::BiWeekly);
    StateDialogModel& d = ctx.stateDialog;
    d.ckRoundOff = c.roundBefore;
    d.ckSpouse = 1;
    d.ckSpouseVisible = false;
    selectStateMethod(ctx, c.id);
    EXPECT_EQ(d.methodBox(c.id), 1);
    EXPECT_EQ(d.ckSpouse, c.spouse);
    EXPECT_EQ(d.ckSpouseVisible, c.spouseVisible);
    EXPECT_EQ(d.ckRoundOff, c.round);
}

using Id = StateMethodId;
INSTANTIATE_TEST_SUITE_P(StateDialog, StateSelection,
                         ::testing::Values(SelectionCase{Id::Arizona, 1, 0, false, 0},
                                           SelectionCase{Id::Louisiana, 1, 0, false, 0},
                                           SelectionCase{Id::Alabama, 1, 0, false, 0},
                                           SelectionCase{Id::Mass, 1, 0, false, 0},
                                           SelectionCase{Id::Oregon, 1, 0, false, 0},
                                           SelectionCase{Id::Kentucky, 1, 0, false, 0},
                                           SelectionCase{Id::Wisconsin, 1, 0, false, 0},
                                           SelectionCase{Id::Iowa, 0, 0, false, 1},
                                           SelectionCase{Id::Missouri, 0, 1, true, 1},
                                           SelectionCase{Id::Utah, 1, 0, true, 0},
                                           SelectionCase{Id::NC, 0, 0, false, 1}),
                         [](const auto& info) { return testing::methodName(info.param.id); });

TEST(StateDialog, SelectingClearsOtherMethodsAndNoStateTax) {
    PayrollContext ctx = stateContext(Pay::Weekly);
    StateDialogModel& d = ctx.stateDialog;
    d.methodBox(Id::Arizona) = 1;
    d.methodBox(Id::Utah) = 1;
    d.ckNoStateTax = 1;
    d.biWeeklyCaptionsVisible = false;
    const StateSettings before = ctx.state;
    selectStateMethod(ctx, Id::Oregon);
    for (int m = 0; m < kStateMethodCount; ++m) {
        EXPECT_EQ(d.methodBoxes[m], m == static_cast<int>(Id::Oregon) ? 1 : 0) << m;
    }
    EXPECT_EQ(d.ckNoStateTax, 0);
    EXPECT_TRUE(d.biWeeklyCaptionsVisible);
    EXPECT_EQ(d.txtStateMinBS[1].text, "55");          // weekly Oregon figures
    EXPECT_EQ(ctx.state.UseOregon, before.UseOregon);  // the record waits for the capture
}

TEST(StateDialog, ClickingACheckedBoxClearsIt) {
    PayrollContext ctx = stateContext(Pay::BiWeekly);
    ctx.stateDialog.methodBox(Id::Missouri) = 1;
    selectStateMethod(ctx, Id::Missouri);
    EXPECT_EQ(ctx.stateDialog.methodBox(Id::Missouri), 0);
    EXPECT_FALSE(ctx.stateDialog.ckSpouseVisible);  // shown only when being checked
}

TEST(StateDialog, OnlyACheckedUtahTellsItsRule) {
    PayrollContext ctx = stateContext(Pay::BiWeekly);
    StateDialogModel& d = ctx.stateDialog;
    ctx.window.txtWeek = "3/7/2008";
    selectStateMethod(ctx, Id::Utah);
    EXPECT_NE(d.lbStateRule.find("2008 formula"), std::string::npos);
    selectStateMethod(ctx, Id::Utah);  // cleared again
    EXPECT_EQ(d.lbStateRule, "");
    selectStateMethod(ctx, Id::Utah);
    selectStateMethod(ctx, Id::Wisconsin);
    EXPECT_EQ(d.lbStateRule, "");
    selectStateMethod(ctx, Id::Utah);
    restoreNewYorkValues(ctx);
    EXPECT_EQ(d.lbStateRule, "");
}

TEST(StateDialog, ClearingKentuckyShowsTheAllowancesAgain) {
    PayrollContext ctx = stateContext(Pay::BiWeekly);
    ctx.stateDialog.methodBox(Id::Kentucky) = 1;
    ctx.stateDialog.allowanceFrameVisible = false;
    selectStateMethod(ctx, Id::Kentucky);
    EXPECT_EQ(ctx.stateDialog.methodBox(Id::Kentucky), 0);
    EXPECT_TRUE(ctx.stateDialog.allowanceFrameVisible);
}

TEST(StateDialog, IowaHidesTheBiWeeklyCaptions) {
    PayrollContext ctx = stateContext(Pay::BiWeekly);
    selectStateMethod(ctx, Id::Iowa);
    EXPECT_FALSE(ctx.stateDialog.biWeeklyCaptionsVisible);
}

TEST(StateDialog, NewYorkRestoresEverything) {
    PayrollContext ctx = stateContext(Pay::BiWeekly);
    selectStateMethod(ctx, Id::Iowa);
    ctx.stateDialog.ckNoStateTax = 1;
    restoreNewYorkValues(ctx);
    const StateDialogModel& d = ctx.stateDialog;
    EXPECT_EQ(d.methodBoxes, (std::array<int, kStateMethodCount>{}));
    EXPECT_EQ(d.ckNoStateTax, 0);
    EXPECT_EQ(d.ckRoundOff, 0);
    EXPECT_FALSE(d.ckSpouseVisible);
    EXPECT_EQ(d.txtStateMinBM[7].text, "5769");
    EXPECT_EQ(d.txtStatePerBS[2].text, "0.0525");
    EXPECT_EQ(d.txtStateSgExp[0].text, "268.3");
    EXPECT_EQ(d.txtStateMarExp[9].text, "634");
    EXPECT_TRUE(d.txtStateMinBS[0].enabled);
    EXPECT_EQ(d.Label14, "Single");
    EXPECT_EQ(d.Label15, "Married");
    EXPECT_EQ(d.Label21, "BiWeekly");
}

TEST(StateDialog, ClearAllEmptiesTheTables) {
    PayrollContext ctx = stateContext(Pay::BiWeekly);
    restoreNewYorkValues(ctx);
    ctx.stateDialog.ckRoundOff = 1;
    ctx.stateDialog.ckSpouse = 1;
    clearAllStateCells(ctx);
    captureStateDialog(ctx.stateDialog, ctx.state);
    for (int k = 0; k < kTableLines; ++k) {
        EXPECT_FLOAT_EQ(ctx.state.SingleTable[k].MinRange, 999999);
        EXPECT_FLOAT_EQ(ctx.state.MarriedTable[k].Percent, 0);
        EXPECT_FLOAT_EQ(ctx.state.MarriedAllowance[k], 0);
    }
    EXPECT_EQ(ctx.state.RoundState, 0);
    EXPECT_EQ(ctx.state.SpouseWorks, 0);
}

TEST(StateDialog, NoStateTaxCheckedThenUnchecked) {
    PayrollContext ctx = stateContext(Pay::BiWeekly);
    ctx.state.SingleTable = NewYorkDefaults::table();
    ctx.state.SdiPercent = 1.2f;
    ctx.state.SingleAllowance[2] = 345.3f;
    StateDialogModel& d = ctx.stateDialog;
    d.methodBox(Id::Utah) = 1;
    d.ckSpouse = 1;
    d.ckSpouseVisible = true;
    d.txtSDIpercent = "9";
    clickNoStateTax(ctx, true);
    EXPECT_EQ(ctx.state.NoStateTax, 1);
    EXPECT_EQ(d.txtStateMinBS[0].text, "999999");
    EXPECT_EQ(d.txtStateSgExp[2].text, "0");
    EXPECT_EQ(d.txtSDIpercent, "1.2");
    EXPECT_EQ(d.methodBox(Id::Utah), 0);
    EXPECT_EQ(d.ckSpouse, 0);
    EXPECT_FALSE(d.ckSpouseVisible);
    clickNoStateTax(ctx, false);
    EXPECT_EQ(d.ckNoStateTax, 0);
    EXPECT_EQ(d.txtStateMinBS[1].text, "308");
    EXPECT_EQ(d.txtStateSgExp[2].text, "345.3");
}

TEST(StateDialog, UseBaseCaptions) {
    PayrollContext ctx = stateContext(Pay::BiWeekly);
    ctx.stateDialog.txtSDIpercent = "1.1";
    ctx.stateDialog.txtSUIpercent = "2.2";
    clickSdiUseBase(ctx, true);
    EXPECT_EQ(ctx.stateDialog.Label26, "Wage Base");
    EXPECT_EQ(ctx.stateDialog.txtSDIpercent, "1.1");
    clickSdiUseBase(ctx, false);
    EXPECT_EQ(ctx.stateDialog.Label26, "Flat Rate");
    EXPECT_EQ(ctx.stateDialog.txtSDIpercent, "0");
    clickSuiUseBase(ctx, false);
    EXPECT_EQ(ctx.stateDialog.Label23, "Flat Rate");
    EXPECT_EQ(ctx.stateDialog.txtSUIpercent, "0");
    EXPECT_EQ(ctx.stateDialog.ckSUI, 0);
}

TEST(StateDialog, SpouseWorksRerunsMissouriOnly) {
    PayrollContext ctx = stateContext(Pay::BiWeekly, "Married");
    selectStateMethod(ctx, Id::Missouri);
    EXPECT_EQ(ctx.stateDialog.txtStateSgExp[0].text, "419.23");
    clickSpouseWorks(ctx, true);
    EXPECT_EQ(ctx.stateDialog.txtStateSgExp[0].text, "209.62");
    selectStateMethod(ctx, Id::Utah);
    ctx.stateDialog.txtStateSgExp[0].text = "7";
    clickSpouseWorks(ctx, false);
    EXPECT_EQ(ctx.stateDialog.txtStateSgExp[0].text, "7");
}

TEST(StateDialog, GetDefaultReadsTheDefaultFile) {
    testing::TempFolder folder;
    PayrollContext ctx = stateContext(Pay::BiWeekly);
    ctx.folder = folder.path();
    ctx.UserFileBase = "Emp";
    EXPECT_FALSE(getDefaultStateFile(ctx));
    EXPECT_FLOAT_EQ(ctx.state.SingleTable[1].MinRange, 0);
    StateSettings defaults;
    defaults.SingleTable = NewYorkDefaults::table();
    defaults.UseKentucky = 1;
    folder.write(".sta", formatStateFile(defaults, ctx.profile));
    EXPECT_TRUE(getDefaultStateFile(ctx));
    EXPECT_FLOAT_EQ(ctx.state.SingleTable[1].MinRange, 308);
    EXPECT_EQ(ctx.stateDialog.txtStateMinBS[1].text, "308");
    EXPECT_EQ(ctx.stateDialog.methodBox(Id::Kentucky), 1);
}

TEST(StateDialog, AfterCloseRerunsSettersAndShowsSpouse) {
    PayrollContext ctx = stateContext(Pay::Weekly);
    ctx.loaded.stateDialog = true;
    ctx.stateDialog.methodBox(Id::Utah) = 1;
    afterStateDialogClosed(ctx);
    EXPECT_TRUE(ctx.stateDialog.ckSpouseVisible);
    EXPECT_EQ(ctx.stateDialog.txtStateSgExp[1].text, "2");
}

TEST(StateDialog, AfterCloseReloadsAClosedDialog) {
    testing::TempFolder folder;
    PayrollContext ctx = stateContext(Pay::BiWeekly);
    ctx.folder = folder.path();
    ctx.UserFileBase = "Emp";
    StateSettings saved;
    saved.UseMissouri = 1;
    folder.write("Emp.sta", formatStateFile(saved, ctx.profile));
    afterStateDialogClosed(ctx);
    EXPECT_EQ(ctx.state.UseMissouri, 1);
    EXPECT_EQ(ctx.state.RoundState, 1);
    EXPECT_TRUE(ctx.stateDialog.ckSpouseVisible);
}

// Every method stays inside its allowance columns whatever the exemption count.
class StateExemptionGuard : public ::testing::TestWithParam<StateMethodId> {};

TEST_P(StateExemptionGuard, OutOfRangeCountsActAsTheNearestRow) {
    auto withholding = [&](int n) {
        PayrollContext ctx = stateContext(Pay::BiWeekly, "Married", n);
        ctx.state.SingleAllowance[0] = 1;
        ctx.state.MarriedAllowance[9] = 9;
        ctx.result.GrossPay = ctx.result.TaxableGross = 1000;
        testing::method(GetParam()).setter(ctx);
        captureStateDialog(ctx.stateDialog, ctx.state);
        ctx.result.StateWithholding = 0;
        testing::compute(ctx, testing::method(GetParam()).compute);
        return ctx.result.StateWithholding;
    };
    EXPECT_EQ(withholding(12), withholding(9));
    EXPECT_EQ(withholding(300), withholding(9));
    EXPECT_EQ(withholding(-3), withholding(0));
}

INSTANTIATE_TEST_SUITE_P(StateDialog, StateExemptionGuard,
                         ::testing::Values(Id::Arizona, Id::Louisiana, Id::Iowa, Id::Missouri,
                                           Id::Mass, Id::Oregon, Id::Utah, Id::Alabama,
                                           Id::Kentucky, Id::Wisconsin, Id::NC),
                         [](const auto& info) { return testing::methodName(info.param); });

}  // namespace
}  // namespace corvanta
