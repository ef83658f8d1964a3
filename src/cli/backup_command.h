#pragma once

#include <string>
#include <vector>

#include "cli/command_env.h"

namespace corvanta {

// corvanta-cli backup: writes, verifies or restores a backup; returns the exit code.
int backupCommand(const std::vector<std::string>& args, CommandEnv& env);

}  // namespace corvanta
