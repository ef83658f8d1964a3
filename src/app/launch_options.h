#pragma once

#include <QString>

namespace corvanta::app {

// What the program was asked to do besides running the calculator.
struct LaunchOptions {
    QString workDir;           // --dir DIR: the working folder; empty: the documents folder's
    QString screenshotDir;     // --screenshot DIR: grab the windows into DIR and exit
    QString sessionDir;        // --scripted-session DIR: run the scripted session in DIR and exit
    bool startupTime = false;  // --startup-time: print the launch time once shown and exit
};

LaunchOptions parseLaunchOptions(const QStringList& arguments);

// The folder the calculator works in: --dir as given, or "Corvanta" under the user's documents
// folder, where a clerk can find it and back it up.
QString workingFolder(const LaunchOptions& options);

// Milliseconds since the process started, from /proc/self/stat (10 ms resolution);
// -1 where that is not available.
double msSinceProcessStart();

}  // namespace corvanta::app
