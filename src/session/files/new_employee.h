#pragma once

#include <filesystem>
#include <string>

#include "session/core/payroll_context.h"

namespace corvanta {

// The values a new employee starts with: the profile's defaults, the New York state and city
// tables (their dialogs showing them), the default non-city table, an empty ledger, leave
// record and overtime sheet, and no calculation yet. Open reads the employee's files over
// these, so a file she does not have leaves its new-employee value.
OpenedEmployee newEmployee(const std::string& baseName);
// Her record alone.
EmployeeRecord newEmployeeRecord(const std::string& baseName);

// What a new employee starts from, in this order: the folder's default group (written by
// "Make Default", or by a save before any employee was open), else the company's home state
// and local tax, else the New York values.
enum class NewEmployeeStart { DefaultGroup, Company, NewYork };

// Which start the folder gives a new employee.
NewEmployeeStart newEmployeeStart(const std::filesystem::path& folder);

// The record's settings set from that start; `startedFrom` says which, in words. A default
// group or company that cannot be read is reported through the message handler and the next
// start is taken.
void applyNewEmployeeStart(OpenedEmployee& employee, const std::filesystem::path& folder,
                           const MessageHandler& showMessage);
// The same for a record fresh from newEmployeeRecord, whose windows are a new employee's.
void applyNewEmployeeStart(EmployeeRecord& record, const std::filesystem::path& folder,
                           const MessageHandler& showMessage);

// Makes the context's employee a new one of that name, as New does: her record replaced
// whole and started as above, the window's deduction captions hers, the entries and results
// cleared.
void startNewEmployee(PayrollContext& ctx, const std::string& baseName, const std::string& today);

// Reads the open employee again from her files after they were replaced under the window (a
// restore): the record in memory would otherwise be saved over them by the next
// calculation. An employee without a ".use" file keeps her record. One whose files cannot be
// read becomes a new employee with no name, and the error is thrown.
void ReopenEmployee(PayrollContext& ctx, const std::string& today);

}  // namespace corvanta
