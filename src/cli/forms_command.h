#pragma once

#include <string>
#include <vector>

#include "cli/command_env.h"

namespace corvanta {

// corvanta-cli forms: the year's W-2s, W-3, the wage file, and the 941 and 940 worksheets.
// Returns the exit code.
int formsCommand(const std::vector<std::string>& args, CommandEnv& env);

}  // namespace corvanta
