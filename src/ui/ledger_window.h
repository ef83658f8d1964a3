#pragma once

#include <QMainWindow>
#include <functional>

#include "session/core/payroll_context.h"
#include "ui/desktop_services.h"

class QCloseEvent;

namespace corvanta::ui {

class LedgerGrid;
class LedgerTotals;

// The year-to-date frame `MDIForm1`, "Year To Date": the ledger grid with the totals strip
// below it, and the menu of ledger commands. It shows the ledger's texts in the context and
// runs the engine's ledger operations; it closes only through its own Close commands.
class LedgerWindow : public QMainWindow {
    Q_OBJECT
  public:
    LedgerWindow(PayrollContext& ctx, const DesktopServices& desktop, QWidget* parent = nullptr);

    // Loads the employee's ledger, adds up its totals and shows the window sized for the pay
    // frequency. False, with the error shown and the window left as it was, when the ledger
    // file cannot be read.
    bool openLedger();
    // Every grid cell, total, heading and the rows in use from the ledger in the context.
    void refresh();
    // Closes without a question and without saving, for the end of the program.
    void discard();
    // Room for every row in use and the totals, within the screen.
    [[nodiscard]] QSize sizeHint() const override;

  signals:
    // Closing without saving hands the operator back to the calculator window.
    void calculatorWanted();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    QWidget* buildTotalsStrip(QWidget* parent);
    void buildMenus();
    QAction* addMenuAction(QWidget* menu, const QString& name, const QString& caption,
                           void (LedgerWindow::*command)());
    void sizeForFrequency();

    void postRow(int row);
    void zeroRow(int row);
    void addTotals();
    void clearAll();
    void exportWorkbook();
    void printLedger();
    void closeLedger();
    [[nodiscard]] QString proposedWorkbook() const;
    // Runs engine operations with their notices shown over this window; a refusal is shown
    // and gives false.
    bool runEngine(const std::function<void()>& operations);

    PayrollContext& ctx_;
    const DesktopServices& desktop_;
    LedgerGrid* grid_ = nullptr;
    LedgerTotals* totals_ = nullptr;
    bool closePermitted_ = false;
};

}  // namespace corvanta::ui
