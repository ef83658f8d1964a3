#include "ui/gui_prompts.h"

#include <QFileDialog>
#include <QInputDialog>

#include "ui/message_box.h"
#include "ui/save_user_dialog.h"

namespace corvanta::ui {

QString qtFileFilter(const std::string& filter) { return toQt(filter.substr(0, filter.find('|'))); }

bool GuiPrompts::askYesNo(const std::string& title, const std::string& text) {
    return ui::askYesNo(parent_, title, text);
}

bool GuiPrompts::askYesNoDefaultNo(const std::string& title, const std::string& text) {
    return ui::askYesNo(parent_, title, text, QMessageBox::No);
}

std::optional<std::string> GuiPrompts::askText(const std::string& title,
                                               const std::string& prompt) {
    QInputDialog dialog(parent_);
    dialog.setObjectName("inputBox");
    dialog.setWindowTitle(toQt(title));
    dialog.setLabelText(toQt(prompt));
    dialog.setTextValue(QString());
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return fromQt(dialog.textValue());
}

SaveWindowAnswer GuiPrompts::showSaveWindow(const std::string& name) {
    SaveUserDialog window(name, parent_);
    return window.ask();
}

std::optional<std::filesystem::path> GuiPrompts::chooseFile(const std::string& filter) {
    const QString chosen = QFileDialog::getOpenFileName(parent_, "Open", toQt(ctx_.folder.string()),
                                                        qtFileFilter(filter));
    if (chosen.isEmpty()) return std::nullopt;
    return std::filesystem::path(fromQt(chosen));
}

void GuiPrompts::showMessage(const UserMessage& message) { showUserMessage(parent_, message); }

}  // namespace corvanta::ui
