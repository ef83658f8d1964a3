#pragma once

#include <QString>
#include <string>
#include <variant>
#include <vector>

namespace corvanta::app {

// What the program was asked to do besides running the calculator.
struct LaunchOptions {
    QString workDir;           // --dir DIR: the working folder; empty: the documents folder's
    QString screenshotDir;     // --screenshot DIR: grab the windows into DIR and exit
    QString sessionDir;        // --scripted-session DIR: run the scripted session in DIR and exit
    bool startupTime = false;  // --startup-time: print the launch time once shown and exit
};

// What the program prints and returns instead of opening its window: for --help, --version,
// or a command line it does not take (exit status 2).
struct LaunchExit {
    int code = 0;
    std::string out;
    std::string err;
};

// Reads the program's arguments (without its name). It needs no display, so it runs before
// the application object: --help and --version work where no window can open.
std::variant<LaunchOptions, LaunchExit> parseLaunchOptions(
    const std::vector<std::string>& arguments);

// The folder the calculator works in: --dir as given, or "Corvanta" under the user's documents
// folder, where a clerk can find it and back it up.
QString workingFolder(const LaunchOptions& options);

// Milliseconds since the process started, from /proc/self/stat (10 ms resolution);
// -1 where that is not available.
double msSinceProcessStart();

}  // namespace corvanta::app
