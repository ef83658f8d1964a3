#pragma once

#include <filesystem>
#include <string>

#include "base/core/user_message.h"
#include "records/core/employee_record.h"

namespace corvanta {

// The one reader of an employee, for every command that needs her: a new employee's values,
// then every file of hers that exists, in the order Open reads them (the employee file set,
// the ledger, the state file, the city and non-city tables, the leave record and the
// overtime sheet). The record comes back whole or not at all: a file that cannot be read
// throws UserError naming it, and nothing of the caller's changes. An empty name reads the
// default group. The windows' copies come with the record as the reads left them.
OpenedEmployee loadEmployee(const std::filesystem::path& folder, const std::string& baseName,
                            const MessageHandler& showMessage);

// The record alone, for the commands that show no window (the roster, the register).
EmployeeRecord loadEmployeeRecord(const std::filesystem::path& folder, const std::string& baseName,
                                  const MessageHandler& showMessage);

}  // namespace corvanta
