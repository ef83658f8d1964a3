#pragma once

#include <QDialog>
#include <array>

#include "session/core/payroll_context.h"

class QLineEdit;

namespace corvanta::ui {

// The print heading dialog `DialogHeader`, "Print Out Heading": the four employer lines of
// "Header.sav". The caller runs the engine's load (loadHeadingDialog) first.
class HeadingDialog : public QDialog {
    Q_OBJECT
  public:
    HeadingDialog(PayrollContext& ctx, QWidget* parent);

  private:
    void save();
    std::array<std::string*, 4> fields();

    PayrollContext& ctx_;
    std::array<QLineEdit*, 4> boxes_{};
};

}  // namespace corvanta::ui
