#pragma once

#include <string>
#include <vector>

#include "cli/command_env.h"

namespace corvanta {

// corvanta-cli checks: the folder's check register as JSON or CSV, or one check voided (and
// the ledger row it paid zeroed when asked). Returns the exit code.
int checksCommand(const std::vector<std::string>& args, CommandEnv& env);

}  // namespace corvanta
