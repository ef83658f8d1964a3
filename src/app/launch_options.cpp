#include "app/launch_options.h"

#include <unistd.h>

#include <CLI/CLI.hpp>
#include <QDir>
#include <QStandardPaths>
#include <fstream>
#include <sstream>
#include <string>

#include "base/core/program_info.h"

namespace corvanta::app {

std::variant<LaunchOptions, LaunchExit> parseLaunchOptions(
    const std::vector<std::string>& arguments) {
    CLI::App app{"corvanta: the calculator window of Corvanta 2008, the paycheck calculator.",
                 "corvanta"};
    app.set_version_flag("--version", std::string("corvanta ") + kProgramVersion,
                         "print the program's version and end");
    std::string workDir;
    std::string screenshotDir;
    std::string sessionDir;
    bool startupTime = false;
    app.add_option("--dir", workDir,
                   "work in the folder DIR (default: Corvanta in the documents folder)");
    app.add_option("--screenshot", screenshotDir, "save pictures of every window into DIR and end");
    app.add_option("--scripted-session", sessionDir, "run the scripted session in DIR and end");
    app.add_flag("--startup-time", startupTime, "print how long the window took to appear and end");
    // CLI11 takes the arguments last first.
    std::vector<std::string> reversed(arguments.rbegin(), arguments.rend());
    try {
        app.parse(reversed);
    } catch (const CLI::CallForHelp&) {
        return LaunchExit{0, app.help(), ""};
    } catch (const CLI::CallForVersion& version) {
        return LaunchExit{0, std::string(version.what()) + "\n", ""};
    } catch (const CLI::ParseError& e) {
        return LaunchExit{
            2, "",
            std::string("corvanta: ") + e.what() + "\nRun corvanta --help for the options.\n"};
    }
    LaunchOptions options;
    options.workDir = QString::fromLocal8Bit(workDir.c_str());
    options.screenshotDir = QString::fromLocal8Bit(screenshotDir.c_str());
    options.sessionDir = QString::fromLocal8Bit(sessionDir.c_str());
    options.startupTime = startupTime;
    return options;
}

QString workingFolder(const LaunchOptions& options) {
    if (!options.workDir.isEmpty()) return QDir(options.workDir).absolutePath();
    return QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
        .absoluteFilePath("Corvanta");
}

double msSinceProcessStart() {
    std::ifstream stat("/proc/self/stat");
    std::ifstream uptime("/proc/uptime");
    std::string line;
    double upSeconds = 0;
    if (!std::getline(stat, line) || !(uptime >> upSeconds)) return -1;
    // The command name may hold blanks; the fields after it are counted from its ")".
    std::istringstream fields(line.substr(line.rfind(')') + 2));
    std::string field;
    for (int i = 3; i <= 22 && fields >> field; ++i) {
    }
    const auto ticks = static_cast<double>(::sysconf(_SC_CLK_TCK));
    return (upSeconds - std::stod(field) / ticks) * 1000.0;
}

}  // namespace corvanta::app
