#pragma once

#include <filesystem>
#include <map>
#include <nlohmann/json.hpp>
#include <string>

#include "base/files/lock_file.h"
#include "support/cli_runner.h"
#include "support/folder_bytes.h"
#include "support/temp_folder.h"

namespace corvanta::testing {

// What three commands that only read, started together, print: one employee's ledger,
// another's calculation (not saved) and a quarter's register. (Their notices of locks a killed
// program left are not kept.)
struct SeenAtOnce {
    std::string ledger;
    std::string calc;
    nlohmann::json registerEmployees;
};

inline SeenAtOnce readAtOnce(const std::filesystem::path& folder, const std::string& ledgerOf,
                             const std::string& calcOf, const std::string& quarter) {
    TempFolder out;
    const std::string cli = CORVANTA_CLI;
    const std::string dir = shellQuote(folder.string());
    const auto background = [&out](const std::string& command, const char* file) {
        return command + " >" + shellQuote((out / file).string()) + " 2>/dev/null & ";
    };
    const std::string command =
        "(" + background(cli + " ledger --user " + shellQuote(ledgerOf) + " --dir " + dir, "l") +
        background(cli + " calc --user " + shellQuote(calcOf) +
                       " --straight 1 --week 4/4/2008 --no-save --dir " + dir,
                   "c") +
        background(cli + " register --quarter " + quarter + " --json --dir " + dir, "r") + "wait)";
    const CliResult r = runShell(command);
    SeenAtOnce seen{out.read("l"), out.read("c"), nlohmann::json::array()};
    const auto reg = nlohmann::json::parse(out.read("r"), nullptr, false);
    if (!reg.is_discarded() && reg.contains("employees")) seen.registerEmployees = reg["employees"];
    return seen;
}

// An employee's files as bytes, her lock left out.
inline std::map<std::string, std::string> employeeFileBytes(const std::filesystem::path& folder,
                                                            const std::string& name) {
    std::map<std::string, std::string> mine;
    for (const auto& [file, bytes] : folderBytes(folder)) {
        if (file.rfind(name + ".", 0) == 0 && !isLockFileName(file)) mine[file] = bytes;
    }
    return mine;
}

}  // namespace corvanta::testing
