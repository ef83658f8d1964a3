#pragma once

#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace corvanta {

// A usage error: the command line does not fit the command.
class UsageError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// --help for a command: its help text, for standard output.
class HelpRequested : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// "--name value" options and "--flag" switches of one command, parsed by CLI11.
class CliArgs {
  public:
    CliArgs(const std::string& command, const std::vector<std::string>& args,
            const std::set<std::string>& valued, const std::set<std::string>& switches);

    [[nodiscard]] std::optional<std::string> value(const std::string& name) const;
    [[nodiscard]] bool has(const std::string& name) const { return switches_.count(name) != 0; }

  private:
    std::map<std::string, std::string> values_;
    std::set<std::string> switches_;
};

// Today's date as the calculator window shows it (M/D/YYYY).
std::string todayText();

}  // namespace corvanta
