#include "ui/save_user_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/message_box.h"
#include "ui/select_on_focus.h"

namespace corvanta::ui {

SaveUserDialog::SaveUserDialog(const std::string& name, QWidget* parent) : QDialog(parent) {
    setObjectName("frmSaveUser");
    setWindowTitle("Save User");
    auto* rows = new QVBoxLayout(this);
    rows->addWidget(new QLabel("Before opening a user file,", this));
    rows->addWidget(new QLabel("Do you want to save this user?", this));
    txtSaveUser_ = new QLineEdit(toQt(name), this);
    txtSaveUser_->setObjectName("txtSaveUser");
    txtSaveUser_->setToolTip("File that is already opened.");
    SelectOnFocus::install(txtSaveUser_);
    rows->addWidget(txtSaveUser_);
    auto* buttons = new QHBoxLayout;
    const std::array<std::tuple<const char*, const char*, SaveChoice>, 3> specs{{
        {"&Save", "cmdSaveUser", SaveChoice::Save},
        {"&No", "cmdEnd", SaveChoice::No},
        {"&Quit", "cmdQuit", SaveChoice::Quit},
    }};
    for (const auto& [caption, name, choice] : specs) {
        auto* button = new QPushButton(caption, this);
        button->setObjectName(name);
        connect(button, &QPushButton::clicked, this, [this, c = choice] {
            choice_ = c;
            accept();
        });
        buttons->addWidget(button);
    }
    rows->addLayout(buttons);
    txtSaveUser_->setFocus();
}

SaveWindowAnswer SaveUserDialog::ask() {
    // The close box counts as "&No".
    choice_ = SaveChoice::No;
    exec();
    return {choice_, fromQt(txtSaveUser_->text())};
}

}  // namespace corvanta::ui
