#pragma once

#include <string>
#include <vector>

#include "cli/command_env.h"

namespace corvanta {

// corvanta-cli run: one pay period for every employee of an hours sheet; the exit code.
int runCommand(const std::vector<std::string>& args, CommandEnv& env);

}  // namespace corvanta
