#pragma once

#include <string>
#include <vector>

#include "cli/command_env.h"
#include "session/payroll/register_figures.h"

namespace corvanta {

// The register as the --json object.
std::string registerJson(const PayrollRegister& reg);

// corvanta-cli register: returns the exit code.
int registerCommand(const std::vector<std::string>& args, CommandEnv& env);

}  // namespace corvanta
