#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "cli/command_env.h"

namespace corvanta {

// corvanta-cli stub|check|report: prints to a PDF file or as text on `out`; returns the exit
// code.
int printCommand(const std::string& command, const std::vector<std::string>& args, CommandEnv& env);

// corvanta-cli export: writes the ledger workbook; returns the exit code.
int exportCommand(const std::vector<std::string>& args, CommandEnv& env);

}  // namespace corvanta
