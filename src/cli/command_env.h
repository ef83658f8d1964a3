#pragma once

#include <filesystem>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "session/core/payroll_context.h"

namespace corvanta {

class CliArgs;

// Where a command prints, and whose employee it works on: a command run as its own process
// opens the employee that --dir and --user name; a command of a session works on the one the
// session holds, exactly as the next window command would.
struct CommandEnv {
    std::ostream& out;
    std::ostream& err;
    PayrollContext* held = nullptr;
};

// The options every command takes to name its employee; a session's commands take neither.
std::set<std::string> withEmployeeOptions(const CommandEnv& env, std::set<std::string> options);

// What every command does first in its folder: the lock files of programs that ended go, and
// a pay run or restore stopped part way is completed under the locks of the employees it
// moves; files it had to keep aside are named on `err`.
void recoverFolder(const std::filesystem::path& folder, std::ostream& err);

// The employee the command works on: the session's, or `own` opened from --dir and --user
// with its messages going to the command's error stream.
PayrollContext& commandEmployee(const CliArgs& args, CommandEnv& env,
                                std::optional<PayrollContext>& own);

}  // namespace corvanta
