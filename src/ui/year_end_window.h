#pragma once

#include <QWidget>

#include "session/core/payroll_context.h"
#include "ui/desktop_services.h"

class QComboBox;
class QLineEdit;
class QPlainTextEdit;

namespace corvanta::ui {

// "Year-End Forms": the year's W-2 copies and W-3, the quarter's 941 and the year's 940
// worksheets and the wage file, over every employee of the working folder, each shown before
// it is printed or written.
class YearEndWindow : public QWidget {
    Q_OBJECT
  public:
    YearEndWindow(const PayrollContext& ctx, const DesktopServices& desktop,
                  QWidget* parent = nullptr);

    // Fills the periods of the chosen form (the year, or its quarters for the 941).
    void chooseForm();
    // Reads the folder again and shows the chosen form as it will print, or the wage file's
    // records, or what the wage file is missing.
    void showPreview();
    // Prints the chosen form, or writes the wage file where the operator says.
    void printOrSave();

  private:
    enum class Form { W2, W3, Worksheet941, Worksheet940, Efw2 };
    [[nodiscard]] Form chosenForm() const;
    [[nodiscard]] std::string chosenPeriod() const;
    // The chosen form as text, or the wage file; throws UserError when it cannot be made.
    [[nodiscard]] std::string formText() const;

    const PayrollContext& ctx_;
    const DesktopServices& desktop_;
    QComboBox* cboForm_ = nullptr;
    QComboBox* cboPeriod_ = nullptr;
    QLineEdit* txtUserId_ = nullptr;
    QPlainTextEdit* txtPreview_ = nullptr;
};

}  // namespace corvanta::ui
