#pragma once

#include <QWidget>
#include <optional>

#include "session/core/payroll_context.h"
#include "session/payroll/register_figures.h"
#include "ui/desktop_services.h"

class QComboBox;
class QLabel;
class QListWidget;
class QTableWidget;

namespace corvanta::ui {

// "Payroll Register": the register of a week, a quarter or the year over every employee of the
// working folder, read from their saved ledgers, with the forms' figures (the 941 lines for a
// quarter, the W-2 boxes, W-3 and FUTA for the year) and the checks that do not add up. It
// prints through the printer dialog and writes a workbook.
class RegisterWindow : public QWidget {
    Q_OBJECT
  public:
    RegisterWindow(const PayrollContext& ctx, const DesktopServices& desktop,
                   QWidget* parent = nullptr);

    // Reads the folder again and shows the register of the chosen period; a file that cannot
    // be read is shown and leaves the tables empty.
    void showRegister();
    // Fills the period choices for the chosen span and shows the register of the latest.
    void chooseSpan();
    void printRegister();
    void exportWorkbook();

  private:
    void showTable(QTableWidget* table, const std::vector<std::vector<std::string>>& rows,
                   bool headed);
    [[nodiscard]] QString proposedFile(const QString& extension) const;

    const PayrollContext& ctx_;
    const DesktopServices& desktop_;
    QComboBox* cboSpan_ = nullptr;
    QComboBox* cboPeriod_ = nullptr;
    QLabel* lblSource_ = nullptr;
    QLabel* lblChecks_ = nullptr;
    QTableWidget* grdRegister_ = nullptr;
    QTableWidget* grdForms_ = nullptr;
    QListWidget* lstChecks_ = nullptr;
    std::optional<PayrollRegister> shown_;
};

}  // namespace corvanta::ui
