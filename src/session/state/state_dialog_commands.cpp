#include "session/state/state_dialog_commands.h"

#include "base/core/money.h"
#include "session/state/methods/setter_support.h"
#include "session/state/state_file.h"
#include "session/state/state_methods.h"
#include "session/state/state_withholding.h"

namespace corvanta {
namespace {

bool isChecked(const StateDialogModel& d, StateMethodId id) { return d.methodBox(id) != 0; }

void hideSpouse(StateDialogModel& d) {
    d.ckSpouse = 0;
    d.ckSpouseVisible = false;
}

// "Spouse Works" and "Round State" after a method's setter ran.
void applySelectionEffects(StateDialogModel& d, StateMethodId id, bool beingChecked) {
    switch (id) {
        case StateMethodId::Iowa:
            hideSpouse(d);  // IowaSet has checked "Round State"
            break;
        case StateMethodId::Missouri:
            if (beingChecked) d.ckSpouseVisible = true;
            break;
        case StateMethodId::Utah:
            if (beingChecked) d.ckSpouseVisible = true;
            d.ckRoundOff = 0;
            break;
        case StateMethodId::NC:
            hideSpouse(d);
            d.ckRoundOff = 1;
            break;
        default:
            hideSpouse(d);
            d.ckRoundOff = 0;
            break;
    }
    // Kentucky's allowances stay on show when its box is cleared.
    if (id == StateMethodId::Kentucky && !beingChecked) d.allowanceFrameVisible = true;
}

void uncheckMethods(StateDialogModel& d) {
    d.methodBoxes.fill(0);
    d.lbStateRule.clear();
}

}  // namespace

void selectStateMethod(PayrollContext& ctx, StateMethodId id) {
    StateDialogModel& d = ctx.stateDialog;
    const bool beingChecked = !isChecked(d, id);
    for (int m = 0; m < kStateMethodCount; ++m) {
        if (m != static_cast<int>(id)) d.methodBoxes[m] = 0;
    }
    d.ckNoStateTax = 0;
    d.biWeeklyCaptionsVisible = true;
    d.lbStateRule.clear();
    builtInStateMethods()[static_cast<int>(id)].setter(ctx);
    applySelectionEffects(d, id, beingChecked);
    d.methodBox(id) = beingChecked ? 1 : 0;
    // A cleared box leaves no rule to tell.
    if (!beingChecked) d.lbStateRule.clear();
}

void restoreNewYorkValues(PayrollContext& ctx) {
    StateDialogModel& d = ctx.stateDialog;
    d.ckNoStateTax = 0;
    uncheckMethods(d);
    hideSpouse(d);
    d.ckRoundOff = 0;
    const auto& ny = NewYorkDefaults::table();
    for (int k = 0; k < kTableLines; ++k) {
        d.txtStateMinBS[k].text = d.txtStateMinBM[k].text = shortestText(ny[k].MinRange);
        d.txtStateAmtBS[k].text = d.txtStateAmtBM[k].text = shortestText(ny[k].Amount);
        d.txtStatePerBS[k].text = d.txtStatePerBM[k].text = shortestText(ny[k].Percent);
        d.txtStateSgExp[k].text = shortestText(NewYorkDefaults::singleAllowance()[k]);
        d.txtStateMarExp[k].text = shortestText(NewYorkDefaults::marriedAllowance()[k]);
    }
    d.Label14 = "Single";
    d.Label15 = "Married";
    d.Label21 = "BiWeekly";
    d.Label13 = "# of Exemp";
    numberRowLabels(d);
    enableTables(d, true);
    enableAllowances(d, true);
}

void clearAllStateCells(PayrollContext& ctx) {
    StateDialogModel& d = ctx.stateDialog;
    clearBothTables(d);
    writeAllowanceSteps(d, 0);
    d.ckRoundOff = 0;
    hideSpouse(d);
}

void clickNoStateTax(PayrollContext& ctx, bool checked) {
    StateDialogModel& d = ctx.stateDialog;
    const StateSettings& s = ctx.state;
    d.ckNoStateTax = checked ? 1 : 0;
    if (!checked) {
        showStateSettings(s, d);
        d.ckNoStateTax = 0;
        return;
    }
    ctx.state.NoStateTax = 1;
    clearBothTables(d);
    writeAllowanceSteps(d, 0);
    showStoredBoxes(s, d);
    d.ckRoundOff = s.RoundState;
    uncheckMethods(d);
    hideSpouse(d);
}

void clickSdiUseBase(PayrollContext& ctx, bool checked) {
    StateDialogModel& d = ctx.stateDialog;
    d.ckSDI = checked ? 1 : 0;
    d.Label26 = checked ? "Wage Base" : "Flat Rate";
    if (!checked) d.txtSDIpercent = "0";
}

void clickSuiUseBase(PayrollContext& ctx, bool checked) {
    StateDialogModel& d = ctx.stateDialog;
    d.ckSUI = checked ? 1 : 0;
    d.Label23 = checked ? "Wage Base" : "Flat Rate";
    if (!checked) d.txtSUIpercent = "0";
}

void clickSpouseWorks(PayrollContext& ctx, bool checked) {
    ctx.stateDialog.ckSpouse = checked ? 1 : 0;
    if (isChecked(ctx.stateDialog, StateMethodId::Missouri)) {
        builtInStateMethods()[static_cast<int>(StateMethodId::Missouri)].setter(ctx);
    }
}

bool getDefaultStateFile(PayrollContext& ctx) { return ReadStateFile(ctx, ctx.folder / ".sta"); }

void afterStateDialogClosed(PayrollContext& ctx) {
    // Touching the closed dialog loads it again, which runs the setters once already.
    if (!ctx.loaded.stateDialog) loadStateDialog(ctx);
    applyCheckedSetters(ctx);
    StateDialogModel& d = ctx.stateDialog;
    if (isChecked(d, StateMethodId::Missouri) || isChecked(d, StateMethodId::Utah)) {
        d.ckSpouseVisible = true;
    }
}

}  // namespace corvanta
