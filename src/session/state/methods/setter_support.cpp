#include "session/state/methods/setter_support.h"

#include "base/core/money.h"

namespace corvanta {
namespace {

void writeTable(StateDialogModel::Column& min, StateDialogModel::Column& amount,
                StateDialogModel::Column& percent, const LineText* lines, int count) {
    for (int k = 0; k < kTableLines; ++k) {
        const LineText line = k < count ? lines[k] : LineText{"999999", "0", "0"};
        min[k].text = line.min;
        amount[k].text = line.amount;
        percent[k].text = line.percent;
    }
}

void enableColumn(StateDialogModel::Column& column, bool enabled) {
    for (DialogCell& cell : column) cell.enabled = enabled;
}

}  // namespace

std::string centsText(int cents) { return shortestText(static_cast<float>(cents / 100.0)); }

void writeSingleTable(StateDialogModel& d, const LineText* lines, int count) {
    writeTable(d.txtStateMinBS, d.txtStateAmtBS, d.txtStatePerBS, lines, count);
}

void writeMarriedTable(StateDialogModel& d, const LineText* lines, int count) {
    writeTable(d.txtStateMinBM, d.txtStateAmtBM, d.txtStatePerBM, lines, count);
}

void clearBothTables(StateDialogModel& d) {
    writeSingleTable(d, nullptr, 0);
    writeMarriedTable(d, nullptr, 0);
}

void writeAllowanceColumn(StateDialogModel::Column& column, const AllowanceTexts& values) {
    for (int n = 0; n < kTableLines; ++n) column[n].text = values[n];
}

void writeAllowances(StateDialogModel& d, const AllowanceTexts& single,
                     const AllowanceTexts& married) {
    writeAllowanceColumn(d.txtStateSgExp, single);
    writeAllowanceColumn(d.txtStateMarExp, married);
}

void writeAllowanceSteps(StateDialogModel& d, int stepCents) {
    for (int n = 0; n < kTableLines; ++n) {
        d.txtStateSgExp[n].text = centsText(n * stepCents);
        d.txtStateMarExp[n].text = centsText(n * stepCents);
    }
}

void enableTables(StateDialogModel& d, bool enabled) {
    for (auto* column : {&d.txtStateMinBS, &d.txtStateAmtBS, &d.txtStatePerBS, &d.txtStateMinBM,
                         &d.txtStateAmtBM, &d.txtStatePerBM}) {
        enableColumn(*column, enabled);
    }
}

void enableAllowances(StateDialogModel& d, bool enabled) {
    enableColumn(d.txtStateSgExp, enabled);
    enableColumn(d.txtStateMarExp, enabled);
}

void numberRowLabels(StateDialogModel& d) {
    for (int n = 0; n < kTableLines; ++n) d.Label27[n] = std::to_string(n);
}

void blankRowLabels(StateDialogModel& d) {
    for (std::string& label : d.Label27) label.clear();
}

}  // namespace corvanta
