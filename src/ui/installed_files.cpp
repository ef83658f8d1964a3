#include "ui/installed_files.h"

#include <QCoreApplication>
#include <QDir>

namespace corvanta::ui {
namespace {

QString shareFolder() {
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + "/../share");
}

}  // namespace

QString installedDataFolder() { return shareFolder() + "/corvanta"; }

QString installedHelpFolder() { return installedDataFolder() + "/help"; }

QString installedIconFile() {
    return shareFolder() + "/icons/hicolor/48x48/apps/" + kDesktopAppId + ".png";
}

}  // namespace corvanta::ui
