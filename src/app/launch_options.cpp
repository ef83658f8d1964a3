#include "app/launch_options.h"

#include <unistd.h>

#include <QDir>
#include <QStandardPaths>
#include <QStringList>
#include <fstream>
#include <sstream>
#include <string>

namespace corvanta::app {

LaunchOptions parseLaunchOptions(const QStringList& arguments) {
    LaunchOptions options;
    for (int i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == "--dir" && i + 1 < arguments.size()) {
            options.workDir = arguments[++i];
        } else if (arguments[i] == "--screenshot" && i + 1 < arguments.size()) {
            options.screenshotDir = arguments[++i];
        } else if (arguments[i] == "--scripted-session" && i + 1 < arguments.size()) {
            options.sessionDir = arguments[++i];
        } else if (arguments[i] == "--startup-time") {
            options.startupTime = true;
        }
    }
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
    const double ticks = static_cast<double>(::sysconf(_SC_CLK_TCK));
    return (upSeconds - std::stod(field) / ticks) * 1000.0;
}

}  // namespace corvanta::app
