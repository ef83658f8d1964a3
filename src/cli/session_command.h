#pragma once

#include <string>
#include <vector>

#include "cli/command_env.h"

namespace corvanta {

// The words of one script line: blanks separate them; double or single quotes keep blanks
// inside one word, and a backslash outside single quotes takes the next character as it is.
// Throws UsageError for a quote that is not closed.
std::vector<std::string> splitScriptLine(const std::string& line);

// corvanta-cli session: runs the commands of a script (or standard input) one line at a time
// over one held employee, printing one JSON line per command. Returns the exit code.
int sessionCommand(const std::vector<std::string>& args, CommandEnv& env);

}  // namespace corvanta
