#pragma once

#include <filesystem>

class QWidget;

namespace corvanta::ui {

// Opens the help file "Corvanta2k.chm" of the working folder with the desktop's viewer; a
// missing file or a desktop without a viewer for it is reported in a message box.
void showHelpFile(QWidget* parent, const std::filesystem::path& folder);

}  // namespace corvanta::ui
