#pragma once

#include <cstdlib>
#include <regex>
#include <string>
#include <vector>

#include "support/temp_folder.h"

namespace corvanta::testing {

struct CliResult {
    int exitCode = -1;
    std::string out;
    std::string err;

    // A number of the JSON object by its key.
    double number(const std::string& key) const {
        const std::regex pattern("\"" + key + "\":(-?[0-9.Ee+-]+)");
        std::smatch m;
        if (!std::regex_search(out, m, pattern)) return -99999;
        return std::stod(m[1]);
    }
    std::string label(const std::string& key) const {
        const std::regex pattern("\"" + key + "\":\"([^\"]*)\"");
        std::smatch m;
        return std::regex_search(out, m, pattern) ? std::string(m[1]) : "<missing>";
    }
};

inline std::string shellQuote(const std::string& s) {
    std::string out = "'";
    for (const char c : s) {
        if (c == '\'') {
            out += "'\\''";
        } else {
            out += c;
        }
    }
    return out + "'";
}

// Runs a shell command, capturing its output.
inline CliResult runShell(std::string command) {
    TempFolder capture;
    command += " >" + (capture / "out").string() + " 2>" + (capture / "err").string();
    const int status = std::system(command.c_str());
    CliResult r;
    r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    r.out = capture.read("out");
    r.err = capture.read("err");
    return r;
}

// Runs corvanta-cli with the arguments, capturing its output.
inline CliResult runCli(const std::vector<std::string>& args) {
    std::string command = CORVANTA_CLI;
    for (const std::string& a : args) command += " " + shellQuote(a);
    return runShell(command);
}

}  // namespace corvanta::testing
