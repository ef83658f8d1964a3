#include "ui/help_file.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>
#include <string>

#include "ui/help_window.h"
#include "ui/message_box.h"

namespace corvanta::ui {
namespace {

constexpr const char* kHelpFile = "Corvanta2k.chm";

}  // namespace

void showHelpFile(QWidget* parent, const std::filesystem::path& folder) {
    const QString file = toQt((folder / kHelpFile).string());
    if (!QFileInfo::exists(file)) {
        showUserMessage(parent, {std::string("The help file ") + kHelpFile +
                                     " is not in the folder\r\n" + folder.string() + ".",
                                 "Help"});
        return;
    }
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(file).absoluteFilePath()))) {
        showUserMessage(
            parent,
            {std::string("No program is set up to show the help file ") + kHelpFile + ".", "Help"});
    }
}

void showHelp(QWidget* parent, const std::filesystem::path& folder, const QString& page) {
    if (QFileInfo::exists(toQt((folder / kHelpFile).string()))) {
        showHelpFile(parent, folder);
    } else {
        showManual(parent, page);
    }
}

}  // namespace corvanta::ui
