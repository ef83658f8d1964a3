#pragma once

#include <array>
#include <string>
#include <string_view>

#include "session/core/payroll_context.h"

namespace corvanta {

// One table line as the setters write it into the dialog.
struct LineText {
    std::string_view min;
    std::string_view amount;
    std::string_view percent;
};

using AllowanceTexts = std::array<std::string_view, kTableLines>;

inline bool biWeeklySelected(const PayrollContext& ctx) { return ctx.profile.isBiWeekly(); }
inline bool weeklySelected(const PayrollContext& ctx) { return ctx.profile.isWeekly(); }
inline bool singleStatus(const PayrollContext& ctx) {
    return ctx.profile.StateStatus == FilingStatus::Single;
}

// Text of an amount given in cents ("1.54" for 154).
std::string centsText(int cents);

// Writes lines from the first onward into one table of the dialog; the lines after them
// become unused ("999999"/"0"/"0").
void writeSingleTable(StateDialogModel& d, const LineText* lines, int count);
void writeMarriedTable(StateDialogModel& d, const LineText* lines, int count);

// Every line of both tables unused.
void clearBothTables(StateDialogModel& d);

// Both allowance columns, or one of them.
void writeAllowances(StateDialogModel& d, const AllowanceTexts& single,
                     const AllowanceTexts& married);
void writeAllowanceColumn(StateDialogModel::Column& column, const AllowanceTexts& values);
// Both columns with value = step x exemptions, given in cents.
void writeAllowanceSteps(StateDialogModel& d, int stepCents);

void enableTables(StateDialogModel& d, bool enabled);
void enableAllowances(StateDialogModel& d, bool enabled);

// The exemption row labels "0" to "9", or all empty.
void numberRowLabels(StateDialogModel& d);
void blankRowLabels(StateDialogModel& d);

}  // namespace corvanta
