#pragma once

#include <string>

#include "session/core/payroll_context.h"

namespace corvanta {

// Title and text of the sheet's only message.
inline constexpr const char* kOvertimeAttentionTitle = "Attention";
inline constexpr const char* kOvertimeAttentionText =
    "Please enter amounts in\r\nAnnual Salary and\r\nApproved Percent Boxes.";
inline constexpr const char* kOvertimeTooLargeText =
    "The amounts are too large to add up.\r\nCheck Annual Salary, Approved Percent\r\nand the "
    "O.T. Only boxes.";
inline constexpr const char* kNoSalaryHint =
    "Enter the Annual Salary to see the percent of salary.";

// Shows the record in the sheet; a blank or zero salary shows "15600".
void FillInOT(PayrollContext& ctx);

// The sheet's load: FillInOT, then every blank overtime box gets "0".
void loadOvertimeSheet(PayrollContext& ctx);

// "&TOTAL": recomputes earned, percent, maximum and available and writes the employee file
// set. Returns false when the salary or percentage is missing (the "Attention" message, nothing
// computed or saved), and when the amounts are too large to add up (kOvertimeTooLargeText). A
// salary of 0 shows 0 percent and a hint instead of dividing by it.
bool TotalOvertime(PayrollContext& ctx);

// "&New Week": drops row 0 and adds an empty row at the end; nothing is saved.
void NewWeek(PayrollContext& ctx);

// "&Undo": reads the employee file set again and shows it, without the "15600" default.
void UndoOvertime(PayrollContext& ctx);

// "&Back": the record takes the rows, the file set is written and the sheet closes.
void BackOvertime(PayrollContext& ctx);

// The sheet's clear for a new employee: empty rows, salary 11440, percentage 0.
void ClearOvertimeSheet(PayrollContext& ctx);

// What every save takes from an open sheet: blank overtime boxes become "0", the record
// takes the rows and the salary and percentage boxes. Does nothing while the sheet is closed.
// Throws UserError naming the salary or percentage box when no Single holds its number;
// nothing is taken then.
void captureOvertimeSheet(PayrollContext& ctx);

}  // namespace corvanta
