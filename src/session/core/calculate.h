#pragma once

#include "session/core/pay_period.h"
#include "session/core/payroll_context.h"

namespace corvanta {

struct CalculateOptions {
    bool save = true;  // the closing save of the employee's files
};

// Reads the federal table file into the context. A missing file shows the warning and leaves
// the table as it is; a damaged one throws RecordFormatError naming the value position.
void loadFederalTable(PayrollContext& ctx);

// The entry-box reader: the eight boxes, the (1X)/(2X) choice and the pay period date as
// values. Every box is read by one rule however its text arrived; one that does not hold a
// plain number is refused with its caption named (UserError).
PeriodEntries readEntryBoxes(const CalculatorWindow& window);
// The same reader for entries that arrive as texts without a window (an hours sheet's cells).
PeriodEntries readPeriodEntries(const std::array<std::string, kEntryBoxes>& boxes,
                                bool overtimeAtDouble, const std::string& period);

// Calcu_late: one pay period from the entry boxes, in the fixed order of steps, ending with
// the save of the employee's files. Throws UserError when the calculation is refused (an
// entry that is not a number, a damaged file, an exemption count out of range, a filing
// status other than Single or Married, a gross or net pay too large to show to the cent);
// nothing is then saved, the entry boxes and the employee are as before and the results are
// cleared.
void Calcu_late(PayrollContext& ctx, const CalculateOptions& options = {});

// The same calculation on entries given as values (the pay run's, a session's): the federal
// table is read, the employee's state and city settings readied for her pay frequency, the
// period calculated, the figures taken into the record and shown, and the files saved.
void calculateEntries(PayrollContext& ctx, const PeriodEntries& entries,
                      const CalculateOptions& options = {});

// Throws FileError naming the federal table file when it cannot be read. The window warns
// and calculates on; a script must not report a federal tax of 0 as a success.
void requireFederalTable(const PayrollContext& ctx);

// The save window's "&Save": the employee file group, the state, city and non-city files, in
// this order, then the secondary windows are closed. Throws FileError naming the file that
// failed; the files before it stay written.
void SaveUserFiles(PayrollContext& ctx);

// The calculator window's Clear: empty boxes, every result of the last calculation gone,
// today's date. The employee's stored settings are untouched.
void ClearAll(PayrollContext& ctx, const std::string& today);

}  // namespace corvanta
