#pragma once

#include <optional>
#include <string>

#include "session/core/payroll_context.h"

namespace corvanta {

// The message of a totals recomputation that met a value it cannot add.
inline constexpr const char* kLedgerNumberMessage = "CHECK YOUR ENTRY FOR NON NUMBER TYPE";

// Recomputes the totals from the rows in use (SDI, SUI and cafeteria over all 52 rows) and
// shows them in the totals strip. A value out of range stops it with kLedgerNumberMessage;
// false then, and the totals are incomplete.
bool AddAnnual(PayrollContext& ctx);

// Recomputes only the SDI, SUI and cafeteria totals (the ledger file does not store them)
// from the rows; false, after kLedgerNumberMessage, when one cannot be added up.
bool addInsuranceTotals(PayrollContext& ctx);

// Copies the grid cells of the rows in use into the rows, then the totals strip into the
// totals. A cell that is not a number gives its leading numeric part.
void Update(PayrollContext& ctx);

// Posts the last calculation into grid row 0..51; totals wait for Update and AddAnnual.
// Throws UserError for a row outside the grid.
void PasteMe(PayrollContext& ctx, int row);

// The 0-based row of the ledger's rows in use already posted for the week label (blanks
// around it ignored), other than `except`; nothing when the week is not posted. A week paid
// twice would pay the employee twice.
std::optional<int> rowPostedFor(const PayrollContext& ctx, const std::string& week,
                                std::optional<int> except = std::nullopt);

// "1/4/2008 is already posted in row 3", for the 0-based row.
std::string alreadyPostedText(const std::string& week, int row);

// Throws UserError when the week is already posted in a row other than `row`.
void refuseWeekPostedTwice(const PayrollContext& ctx, const std::string& week, int row);

// Zeroes one grid row (the week text too) and its SDI, SUI and cafeteria amounts.
void DeleteRow(PayrollContext& ctx, int row);

// Zeroes the whole ledger and its totals in memory; the file is untouched until a save.
void ClearLedger(PayrollContext& ctx);

// Shows the rows in use in the grid in general number form, and the profile's captions.
void showLedgerGrid(YtdLedger& ledger, const EmployeeProfile& profile);

}  // namespace corvanta
