#pragma once

#include <string>
#include <vector>

#include "cli/command_env.h"

namespace corvanta {

// corvanta-cli company: prints the folder's company as JSON, or sets the fields given and
// prints the result. Returns the exit code.
int companyCommand(const std::vector<std::string>& args, CommandEnv& env);

}  // namespace corvanta
