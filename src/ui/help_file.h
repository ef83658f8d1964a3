#pragma once

#include <QString>
#include <filesystem>

class QWidget;

namespace corvanta::ui {

// Opens the help file "Corvanta2k.chm" of the working folder with the desktop's viewer; a
// missing file or a desktop without a viewer for it is reported in a message box.
void showHelpFile(QWidget* parent, const std::filesystem::path& folder);

// Help: the help file where the working folder holds one, else the manual at `page`.
void showHelp(QWidget* parent, const std::filesystem::path& folder, const QString& page);

}  // namespace corvanta::ui
