#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "cli/command_env.h"
#include "session/core/payroll_context.h"

namespace corvanta {

// The options every command that calculates shares.
extern const std::vector<std::string> kCalcValuedOptions;
extern const std::vector<std::string> kCalcSwitches;

// Types the entry options into the boxes (the week, when not given, is today's date) and
// runs the calculation without the closing save. Throws UserError when the engine refuses.
class CliArgs;
void runCalculation(PayrollContext& ctx, const CliArgs& args);

// The result of a calculation as one JSON object.
std::string calculationJson(const PayrollContext& ctx);

// corvanta-cli calc: returns the exit code.
int calcCommand(const std::vector<std::string>& args, CommandEnv& env);

}  // namespace corvanta
