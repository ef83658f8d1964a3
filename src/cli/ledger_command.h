#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "cli/command_env.h"
#include "session/core/payroll_context.h"

namespace corvanta {

// The ledger row (0-based) that a 1-based row text names, checked against the rows in use.
// Throws UsageError when the text is not such a row.
int ledgerRowIndex(const std::string& rowText, const EmployeeProfile& profile);

// Posts the last calculation into the row, recomputes the totals and saves the ledger file.
void postToLedger(PayrollContext& ctx, int row);

// The rows in use and the totals as one JSON object.
std::string ledgerJson(const PayrollContext& ctx);

// corvanta-cli ledger: returns the exit code.
int ledgerCommand(const std::vector<std::string>& args, CommandEnv& env);

}  // namespace corvanta
