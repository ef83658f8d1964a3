#pragma once

#include <QString>

#include "session/core/payroll_context.h"
#include "session/files/session.h"

class QWidget;

namespace corvanta::ui {

// The file commands' questions as real message boxes, input box, open dialog and save window.
class GuiPrompts : public SessionPrompts {
  public:
    GuiPrompts(QWidget* parent, const PayrollContext& ctx) : parent_(parent), ctx_(ctx) {}

    bool askYesNo(const std::string& title, const std::string& text) override;
    bool askYesNoDefaultNo(const std::string& title, const std::string& text) override;
    std::optional<std::string> askText(const std::string& title,
                                       const std::string& prompt) override;
    SaveWindowAnswer showSaveWindow(const std::string& name) override;
    std::optional<std::filesystem::path> chooseFile(const std::string& filter) override;
    void showMessage(const UserMessage& message) override;

  private:
    QWidget* parent_;
    const PayrollContext& ctx_;
};

// "Saved Files (*.use)|*.use" as a Qt file filter: "Saved Files (*.use)".
QString qtFileFilter(const std::string& filter);

}  // namespace corvanta::ui
