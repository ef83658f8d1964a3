#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/payroll_context.h"

namespace corvanta {

// One table line as the setters write it into the dialog.
struct LineText {
    std::string_view min;
    std::string_view amount;
    std::string_view percent;
};

using AllowanceTexts = std::array<std::string_view, kTableLines>;

inline bool biWeeklySelected(const PayrollContext& ctx) { return ctx.profile.PayBiWeekly != 0; }
inline bool weeklySelected(const PayrollContext& ctx) { return ctx.profile.PayWeekly != 0; }
inline bool singleStatus(const PayrollContext& ctx) { return ctx.profile.StateStatus == "Single"; }

// The exemption count as an allowance index. The calculation refuses counts outside 0..9
// before any method runs; a setter may still meet one from an edited file.
int exemptionIndex(int exemptions);

// The allowance column of the state status at the current exemption count.
float statusAllowance(const PayrollContext& ctx);

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

// The range test over the first `lines` lines: line k applies when m(k) <= wage < m(k+1), the
// last line has no upper bound. Calls apply(k, m, a, p) for every applying line, in order,
// with minimum and amount halved (to 32 bits) when halve is set.
template <typename Apply>
void forEachLineInRange(const std::array<BracketLine, kTableLines>& table, int lines, float wage,
                        bool halve, Apply apply) {
    auto m = [&](int k) { return halve ? table[k].MinRange / 2 : table[k].MinRange; };
    for (int k = 0; k < lines; ++k) {
        const bool inRange = k + 1 < lines ? (m(k) <= wage && wage < m(k + 1)) : m(k) <= wage;
        if (!inRange) continue;
        const float amount = halve ? table[k].Amount / 2 : table[k].Amount;
        apply(k, m(k), amount, table[k].Percent);
    }
}

}  // namespace corvanta
