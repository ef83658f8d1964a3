#pragma once

#include <array>

#include "session/core/payroll_context.h"

namespace corvanta {

struct CalculateOptions {
    bool save = true;  // the closing save of the employee's files
};

// Reads the federal table file into the context. A missing file shows the warning and leaves
// the table as it is; a damaged one throws RecordFormatError naming the value position.
void loadFederalTable(PayrollContext& ctx);

// Calcu_late: one pay period from the entry boxes, the profile and the tables, in the fixed
// order of steps, ending with the save of the employee's files. Throws UserError when the
// calculation is refused (an entry that is not a number, a damaged file, an exemption count
// out of range, a filing status other than Single or Married, a gross or net pay too large to
// show to the cent); nothing is then saved, the entry boxes and the profile are as before and
// the results are cleared.
void Calcu_late(PayrollContext& ctx, const CalculateOptions& options = {});

// What the calculation reads before it changes anything: the entry boxes' values (0 for a
// box without one) and the federal exemption count.
struct PeriodInputs {
    std::array<double, kEntryBoxes> boxValues{};
    int fedExemptions = 0;
};

// Checks the entry boxes and the federal exemption count. Throws UserError naming the box
// or the count; nothing is changed then.
PeriodInputs checkedPeriodInputs(const PayrollContext& ctx);

// Throws FileError naming the federal table file when it cannot be read. The window warns
// and calculates on; a script must not report a federal tax of 0 as a success.
void requireFederalTable(const PayrollContext& ctx);

// Steps 3 to 33 of the calculation on the tables in memory: entries, gross, every tax and
// deduction, net pay and the window's texts. Reads and writes no file.
void computePayPeriod(PayrollContext& ctx, const PeriodInputs& inputs);

// The save window's "&Save": the employee file group, the state, city and non-city files, in
// this order, then the secondary windows are closed. Throws FileError naming the file that
// failed; the files before it stay written.
void SaveUserFiles(PayrollContext& ctx);

// The calculator window's Clear: empty boxes, every result of the last calculation gone,
// today's date. The employee's stored settings are untouched.
void ClearAll(PayrollContext& ctx, const std::string& today);

}  // namespace corvanta
