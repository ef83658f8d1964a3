#pragma once

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <string>

#include "session/core/payroll_context.h"
#include "ui/bound_cells.h"
#include "ui/desktop_services.h"

class QGridLayout;
class QLabel;
class QLineEdit;

namespace corvanta::ui {

class PrintOffsetDialog;

// The check window `frmChecks`, "Check Printing": the check about to be printed, laid out like
// the paper form, every box editable. A click on the window or its activation fills the payee,
// words and amount again from the profile and the last net pay. The date and the memo are
// filled when the window is created and again after each calculation, which makes a new check.
// Its "Print" opens the printer offset dialog, which prints. Beside the date it shows the
// number the check will take from the folder's check register.
class ChecksWindow : public QMainWindow {
    Q_OBJECT
  public:
    // prepareLedger readies the year-to-date ledger before a print; false stops the print.
    ChecksWindow(PayrollContext& ctx, const DesktopServices& desktop,
                 std::function<bool()> prepareLedger, QWidget* parent = nullptr);

    // Payee, employee block, words and amount again from the engine; the date and memo too when
    // the check is no longer loaded (a calculation made a new one).
    void refresh();
    // The printer offset dialog (not modal), created when it is not open.
    void openOffsetDialog();

  protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void loadCheck();
    void showNextNumber();
    QWidget* buildFace();
    QLineEdit* addBox(QGridLayout* grid, const QString& name, std::string* text, int row,
                      int column, int columnSpan = 1);

    PayrollContext& ctx_;
    const DesktopServices& desktop_;
    std::function<bool()> prepareLedger_;
    BoundCells cells_;
    QLabel* lblCheckNumber_ = nullptr;
    QPointer<PrintOffsetDialog> offsetDialog_;
};

}  // namespace corvanta::ui
