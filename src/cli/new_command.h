#pragma once

#include <string>
#include <vector>

#include "cli/command_env.h"

namespace corvanta {

// corvanta-cli new NAME: makes the employee as File, New does (her files written with the new
// employee's values). Refuses a name in use or one that cannot name files. Returns the exit
// code.
int newCommand(const std::vector<std::string>& args, CommandEnv& env);

}  // namespace corvanta
