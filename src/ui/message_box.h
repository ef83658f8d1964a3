#pragma once

#include <QMessageBox>
#include <QString>
#include <functional>
#include <string>

#include "base/core/user_error.h"
#include "base/core/user_message.h"

class QWidget;

namespace corvanta::ui {

// A modal message box with OK, the message's title and icon; CR LF line ends become lines.
void showUserMessage(QWidget* parent, const UserMessage& message);

// An engine refusal, with the exclamation icon and the error's title.
void showUserError(QWidget* parent, const UserError& error);

// Runs an engine command; a refusal it throws is shown over `parent`. True when it went
// through.
bool runShowingErrors(QWidget* parent, const std::function<void()>& command);

// A Yes/No question; true for Yes.
bool askYesNo(QWidget* parent, const std::string& title, const std::string& text,
              QMessageBox::StandardButton defaultButton = QMessageBox::Yes);

QString toQt(const std::string& text);
std::string fromQt(const QString& text);

}  // namespace corvanta::ui
