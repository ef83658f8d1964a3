#pragma once

#include <string>
#include <vector>

#include "cli/command_env.h"

namespace corvanta {

// The usage text printed with a usage error.
extern const char* const kUsage;

// Runs one command line (without the program name) and returns its exit code: 0 done,
// 1 refused by the engine, 2 a usage error. Messages go to env.err.
int runCommandLine(const std::vector<std::string>& args, CommandEnv& env);

}  // namespace corvanta
