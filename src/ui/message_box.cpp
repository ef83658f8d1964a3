#include "ui/message_box.h"

#include <QMessageBox>

namespace corvanta::ui {
namespace {

QMessageBox::Icon qtIcon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Exclamation:
            return QMessageBox::Warning;
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::Critical:
            return QMessageBox::Critical;
        case MessageIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

QString lines(const std::string& text) {
    QString s = toQt(text);
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return s;
}

}  // namespace

QString toQt(const std::string& text) { return QString::fromStdString(text); }
std::string fromQt(const QString& text) { return text.toStdString(); }

bool runShowingErrors(QWidget* parent, const std::function<void()>& command) {
    try {
        command();
    } catch (const UserError& e) {
        showUserError(parent, e);
        return false;
    }
    return true;
}

void showUserMessage(QWidget* parent, const UserMessage& message) {
    QMessageBox box(qtIcon(message.icon), toQt(message.title), lines(message.text), QMessageBox::Ok,
                    parent);
    box.exec();
}

void showUserError(QWidget* parent, const UserError& error) {
    showUserMessage(parent, {error.what(), error.title(), MessageIcon::Exclamation});
}

bool askYesNo(QWidget* parent, const std::string& title, const std::string& text,
              QMessageBox::StandardButton defaultButton) {
    QMessageBox box(QMessageBox::Question, toQt(title), lines(text),
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(defaultButton);
    return box.exec() == QMessageBox::Yes;
}

}  // namespace corvanta::ui
