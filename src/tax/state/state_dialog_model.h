#pragma once

#include <array>
#include <string>

#include "tax/state/state_settings.h"

namespace corvanta {

// A text cell of a settings dialog, with whether the operator may edit it.
struct DialogCell {
    std::string text;
    bool enabled = true;
};

enum class StateMethodId {
    Arizona,
    Louisiana,
    Iowa,
    Missouri,
    Mass,
    Oregon,
    Utah,
    Alabama,
    Kentucky,
    Wisconsin,
    NC,
};
inline constexpr int kStateMethodCount = 11;

// What the state dialog shows: every cell as text, the boxes, captions and which cells are
// locked. The state setters write here, and fillVari copies the cells into StateSettings, so
// a calculation runs the same sequence with or without a window on screen.
struct StateDialogModel {
    using Column = std::array<DialogCell, kTableLines>;
    Column txtStateMinBS, txtStateAmtBS, txtStatePerBS;
    Column txtStateMinBM, txtStateAmtBM, txtStatePerBM;
    Column txtStateSgExp, txtStateMarExp;
    std::string txtSDIpercent, txtSDIwageBase, txtSUIpercent, txtSUIwageBase;
    std::string txtStateAdj, txtCalAllow;
    int ckNoStateTax = 0;
    int ckSDI = 0;
    int ckSUI = 0;
    std::array<int, kStateMethodCount> methodBoxes{};  // indexed by StateMethodId
    int ckSpouse = 0;
    bool ckSpouseVisible = false;
    int ckRoundOff = 0;

    // Captions the setters change.
    std::string Label13 = "# of Exemp";
    std::string Label14 = "Single";
    std::string Label15 = "Married";
    std::string Label21 = "BIWEEKLY ";
    bool biWeeklyCaptionsVisible = true;  // Label19, Label20, Label21
    std::array<std::string, kTableLines> Label27{"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
    std::string MarriedTableHeading = "Table for MARRIED Persons";
    bool allowanceFrameVisible = true;
    std::string Label26 = "Flat Rate";  // SDI base caption
    std::string Label23 = "Flat Rate";  // SUI base caption
    // Which rule the checked method applies when the pay period date decides it; else empty.
    std::string lbStateRule;

    int& methodBox(StateMethodId id) { return methodBoxes[static_cast<int>(id)]; }
    [[nodiscard]] int methodBox(StateMethodId id) const {
        return methodBoxes[static_cast<int>(id)];
    }
};

// The method flag of the settings record for a method.
int& methodFlag(StateSettings& settings, StateMethodId id);
int methodFlag(const StateSettings& settings, StateMethodId id);

// Every table and allowance cell set from the record, as seven-digit texts.
void showStateSettings(const StateSettings& settings, StateDialogModel& dialog);

// The SDI, SUI, adjustment and California allowance boxes and the two "Use Base" boxes.
void showStoredBoxes(const StateSettings& settings, StateDialogModel& dialog);

// CheckFor: blank table and allowance cells take the New York values, blank SDI, SUI,
// adjustment and California allowance boxes take "0".
void fillBlankStateCells(StateDialogModel& dialog);

// FillBlankSdiSui: only the six single boxes.
void fillBlankSdiSui(StateDialogModel& dialog);

// fillVari: CheckFor, then every cell into the record. Throws UserError
// "You have entered a NON numerial." when a cell is not a number; the record is then unchanged.
void captureStateDialog(StateDialogModel& dialog, StateSettings& settings);

}  // namespace corvanta
