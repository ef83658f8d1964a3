#pragma once

#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "session/core/payroll_context.h"
#include "session/payroll/employee_roster.h"

class QLabel;
class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;

namespace corvanta::ui {

// "Employees": every employee of the working folder with her pay frequency, state method,
// exempt marks, last posted week and year-to-date gross, read from her saved files. Typing
// (in the filter box or in the list) narrows the list by name or file name; Enter or a double
// click opens the chosen employee through the calculator's own Open, "&New" runs its New.
class EmployeeListWindow : public QWidget {
    Q_OBJECT
  public:
    struct Commands {
        std::function<void(const std::string& fileName)> open;
        std::function<void()> newEmployee;
    };

    EmployeeListWindow(const PayrollContext& ctx, Commands commands, QWidget* parent = nullptr);

    // Reads the folder's employees again, keeping the filter and the chosen employee (the
    // open one when none was chosen).
    void refresh();
    // Opens the chosen employee; nothing when the list shows none.
    void openChosen();
    // Shows only the employees whose name or file name holds the text, any case.
    void applyFilter();

    // The file names the list shows, in order (for the window's tests).
    [[nodiscard]] std::vector<std::string> shownFiles() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Coming back to the list reads the folder again: a ledger saved in its window, or a pay
    // run of another program, changes what the list shows without a command of this window.
    void changeEvent(QEvent* event) override;

  private:
    void fill(const std::vector<RosterEntry>& roster);
    void choose(const QString& fileName);
    [[nodiscard]] QTreeWidgetItem* firstShown() const;

    const PayrollContext& ctx_;
    Commands commands_;
    QLineEdit* txtFilter_ = nullptr;
    QTreeWidget* lstEmployees_ = nullptr;
    QLabel* lblCount_ = nullptr;
};

}  // namespace corvanta::ui
