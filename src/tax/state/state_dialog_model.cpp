#include "tax/state/state_dialog_model.h"

#include "base/core/dialog_text.h"
#include "base/core/money.h"
#include "base/core/user_error.h"

namespace corvanta {
namespace {

int* flagPointer(StateSettings& s, StateMethodId id) {
    switch (id) {
        case StateMethodId::Arizona:
            return &s.UseArizona;
        case StateMethodId::Louisiana:
            return &s.UseLouisiana;
        case StateMethodId::Iowa:
            return &s.UseIowa;
        case StateMethodId::Missouri:
            return &s.UseMissouri;
        case StateMethodId::Mass:
            return &s.UseMass;
        case StateMethodId::Oregon:
            return &s.UseOregon;
        case StateMethodId::Utah:
            return &s.UseUtah;
        case StateMethodId::Alabama:
            return &s.UseAlabama;
        case StateMethodId::Kentucky:
            return &s.UseKentucky;
        case StateMethodId::Wisconsin:
            return &s.UseWisconsin;
        case StateMethodId::NC:
            return &s.UseNC;
    }
    return &s.UseArizona;
}

std::string cellText(float v) { return shortestText(v); }

void fillIfBlank(DialogCell& cell, float value) { fillBlank(cell.text, value); }

void fillIfBlank(std::string& box) {
    if (box.empty()) box = "0";
}

float cellValue(const std::string& text) { return boxNumber(text, kNotNumeralMessage); }

int flagValue(int box) { return box != 0 ? 1 : 0; }

}  // namespace

int& methodFlag(StateSettings& settings, StateMethodId id) { return *flagPointer(settings, id); }

int methodFlag(const StateSettings& settings, StateMethodId id) {
    return *flagPointer(const_cast<StateSettings&>(settings), id);
}

void showStateSettings(const StateSettings& s, StateDialogModel& d) {
    for (int k = 0; k < kTableLines; ++k) {
        d.txtStateMinBS[k].text = cellText(s.SingleTable[k].MinRange);
        d.txtStateAmtBS[k].text = cellText(s.SingleTable[k].Amount);
        d.txtStatePerBS[k].text = cellText(s.SingleTable[k].Percent);
        d.txtStateMinBM[k].text = cellText(s.MarriedTable[k].MinRange);
        d.txtStateAmtBM[k].text = cellText(s.MarriedTable[k].Amount);
        d.txtStatePerBM[k].text = cellText(s.MarriedTable[k].Percent);
        d.txtStateSgExp[k].text = cellText(s.SingleAllowance[k]);
        d.txtStateMarExp[k].text = cellText(s.MarriedAllowance[k]);
    }
    showStoredBoxes(s, d);
    d.ckNoStateTax = s.NoStateTax;
}

void showStoredBoxes(const StateSettings& s, StateDialogModel& d) {
    d.txtSDIpercent = cellText(s.SdiPercent);
    d.txtSUIpercent = cellText(s.SuiPercent);
    d.txtSDIwageBase = cellText(s.SdiWageBase);
    d.txtSUIwageBase = cellText(s.SuiWageBase);
    d.txtStateAdj = cellText(s.StateAdjustment);
    d.txtCalAllow = cellText(s.CalAllowance);
    d.ckSDI = s.SdiUseBase;
    d.ckSUI = s.SuiUseBase;
}

void fillBlankSdiSui(StateDialogModel& d) {
    fillIfBlank(d.txtSDIpercent);
    fillIfBlank(d.txtSDIwageBase);
    fillIfBlank(d.txtStateAdj);
    fillIfBlank(d.txtCalAllow);
    fillIfBlank(d.txtSUIpercent);
    fillIfBlank(d.txtSUIwageBase);
}

void fillBlankStateCells(StateDialogModel& d) {
    const auto& ny = NewYorkDefaults::table();
    for (int k = 0; k < kTableLines; ++k) {
        fillIfBlank(d.txtStateMinBS[k], ny[k].MinRange);
        fillIfBlank(d.txtStateAmtBS[k], ny[k].Amount);
        fillIfBlank(d.txtStatePerBS[k], ny[k].Percent);
        fillIfBlank(d.txtStateMinBM[k], ny[k].MinRange);
        fillIfBlank(d.txtStateAmtBM[k], ny[k].Amount);
        fillIfBlank(d.txtStatePerBM[k], ny[k].Percent);
        fillIfBlank(d.txtStateSgExp[k], NewYorkDefaults::singleAllowance()[k]);
        fillIfBlank(d.txtStateMarExp[k], NewYorkDefaults::marriedAllowance()[k]);
    }
    fillBlankSdiSui(d);
}

void captureStateDialog(StateDialogModel& d, StateSettings& settings) {
    fillBlankStateCells(d);
    StateSettings s = settings;  // all or nothing: a bad cell leaves the record as it was
    s.NoStateTax = flagValue(d.ckNoStateTax);
    for (int k = 0; k < kTableLines; ++k) {
        s.SingleTable[k] = {cellValue(d.txtStateMinBS[k].text), cellValue(d.txtStateAmtBS[k].text),
                            cellValue(d.txtStatePerBS[k].text)};
        s.MarriedTable[k] = {cellValue(d.txtStateMinBM[k].text), cellValue(d.txtStateAmtBM[k].text),
                             cellValue(d.txtStatePerBM[k].text)};
        s.SingleAllowance[k] = cellValue(d.txtStateSgExp[k].text);
        s.MarriedAllowance[k] = cellValue(d.txtStateMarExp[k].text);
    }
    s.SdiPercent = cellValue(d.txtSDIpercent);
    s.SdiWageBase = cellValue(d.txtSDIwageBase);
    s.SuiPercent = cellValue(d.txtSUIpercent);
    s.SuiWageBase = cellValue(d.txtSUIwageBase);
    s.StateAdjustment = cellValue(d.txtStateAdj);
    s.CalAllowance = cellValue(d.txtCalAllow);
    s.SdiUseBase = flagValue(d.ckSDI);
    s.SuiUseBase = flagValue(d.ckSUI);
    for (int m = 0; m < kStateMethodCount; ++m) {
        methodFlag(s, static_cast<StateMethodId>(m)) = flagValue(d.methodBoxes[m]);
    }
    s.SpouseWorks = flagValue(d.ckSpouse);
    s.RoundState = flagValue(d.ckRoundOff);
    settings = s;
}

}  // namespace corvanta
