#pragma once

#include <QDialog>
#include <functional>

#include "session/core/payroll_context.h"
#include "ui/desktop_services.h"

class QComboBox;
class QLabel;

namespace corvanta::ui {

// The printer offset dialog `dlgPrintSet`, "Printer Offset": shifts the check printout to fit
// the pre-printed form, keeps the offsets in the employee's files and prints the check.
// Creating it reads the employee's files again, which brings back the stored offsets.
class PrintOffsetDialog : public QDialog {
    Q_OBJECT
  public:
    // prepareLedger readies the year-to-date ledger the stubs print; false stops the print.
    PrintOffsetDialog(PayrollContext& ctx, const DesktopServices& desktop,
                      std::function<bool()> prepareLedger, QWidget* parent = nullptr);

    // Stores both offsets and writes the employee's files; false (after a message) when a
    // box does not hold a usable offset or a file could not be written.
    bool apply();
    // As apply, then the check on the printer the operator chooses, numbered from the folder's
    // check register, then the dialog closes.
    void printCheck();
    // The pay period shown again; the offset boxes keep what the operator typed.
    void refresh();

  private:
    QComboBox* addOffsetBox(const QString& name);
    QWidget* buildOffsets();
    QWidget* buildButtons();
    void load();

    PayrollContext& ctx_;
    const DesktopServices& desktop_;
    std::function<bool()> prepareLedger_;
    QComboBox* cboHorz_ = nullptr;
    QComboBox* cboVert_ = nullptr;
    QLabel* lbWeek_ = nullptr;
};

}  // namespace corvanta::ui
