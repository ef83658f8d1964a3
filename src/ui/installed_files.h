#pragma once

#include <QString>

namespace corvanta::ui {

// The program's shared files, found beside the program as <bin>/../share: the same layout in
// the build folder as in an installed tree.
QString installedDataFolder();  // share/corvanta (holds "Federal08.dtt")
QString installedHelpFolder();  // share/corvanta/help
QString installedIconFile();    // the 48x48 window icon
inline constexpr const char* kDesktopAppId = "com.quorvell.Corvanta";

}  // namespace corvanta::ui
