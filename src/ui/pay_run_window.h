#pragma once

#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "session/core/payroll_context.h"
#include "ui/desktop_services.h"

class QLabel;
class QLineEdit;
class QTableWidget;
class QTableWidgetItem;

namespace corvanta {
struct WeekPayRun;
}

namespace corvanta::ui {

// "Pay Run": the week's payroll of the whole folder in one sitting. A row per employee with
// the calculator's eight entries; Preview calculates the chosen rows in memory, Pay runs
// what `corvanta-cli run` runs (its checks, its backup, every employee posted and saved
// all or nothing), prints the stubs and the checks and shows the week's register.
class PayRunWindow : public QWidget {
    Q_OBJECT
  public:
    // `ctx` is the calculator's: its folder, its pay date and the lock of the employee it
    // holds, which the run uses rather than refusing her as in use.
    PayRunWindow(const PayrollContext& ctx, const DesktopServices& desktop,
                 QWidget* parent = nullptr);

    // A row for every employee of the folder, empty and unchosen.
    void reloadEmployees();
    // Every chosen row calculated in memory: its figures, the totals, the employer's taxes.
    bool preview();
    // The run; true when every chosen employee was paid.
    bool pay();
    // Fills the grid from an hours sheet; exports the chosen rows as one.
    void importSheet();
    void exportSheet();
    // The chosen rows (all rows when none is chosen) take their employee's last entries.
    void copyLastPeriod();

    // Asked before the run with the employees it pays; false stops it (the calculator saves
    // the employee it shows first).
    std::function<bool(const std::vector<std::string>&)> beforePay;

  signals:
    // The employees whose week was paid and saved.
    void paid(const std::vector<std::string>& employees, const QString& week);

  private:
    [[nodiscard]] bool entriesReadable();
    // A typed entry the calculator's boxes would not take is shown and named at once.
    void markEntry(QTableWidgetItem* item);
    void showProblems(const QStringList& lines);
    [[nodiscard]] QString proposedPdf(const QString& what) const;
    // The stubs and the checks, each through the printer dialog.
    void printRun(const WeekPayRun& run);

    const PayrollContext& ctx_;
    const DesktopServices& desktop_;
    QLineEdit* txtWeek_ = nullptr;
    QTableWidget* grid_ = nullptr;
    QLabel* lblStatus_ = nullptr;
    QTableWidget* grdTotals_ = nullptr;
};

}  // namespace corvanta::ui
