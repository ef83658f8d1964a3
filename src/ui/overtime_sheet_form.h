#pragma once

#include <QWidget>
#include <array>
#include <optional>

#include "session/core/payroll_context.h"
#include "ui/bound_cells.h"
#include "ui/desktop_services.h"

class QLabel;
class QLineEdit;
class QScrollArea;

namespace corvanta::ui {

// The overtime percentage sheet `Form2`, "OverTime Percentage": the week rows, the salary
// and approved percentage, and the totals the engine computes from them. Modeless and
// deleted when closed; the record stays in the context.
class OvertimeSheetForm : public QWidget {
    Q_OBJECT
  public:
    // Loads the sheet from the record (blank overtime boxes show "0").
    OvertimeSheetForm(PayrollContext& ctx, const DesktopServices& desktop,
                      QWidget* parent = nullptr);

    // Every widget from the window record, the rows of the employee's pay frequency shown.
    void refresh();

  protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    enum class Column { Date, Overtime };
    struct RowBox {
        Column column;
        int row;
    };

    QWidget* buildEntries();
    QWidget* buildRows();
    QWidget* buildRowBlock(int firstRow, int rowCount);
    QWidget* buildResults();
    QWidget* buildButtons();

    void runTotal(bool automatic);
    void showMessage(const UserMessage& message);
    void showError(const UserError& error);
    void newWeek();
    void undo();
    void back();
    void print();
    bool moveFocus(RowBox from, int key);
    void pickRowDate(int row);
    [[nodiscard]] std::optional<RowBox> findRowBox(QObject* watched) const;
    [[nodiscard]] QLineEdit* rowBox(Column column, int row) const;
    [[nodiscard]] int lastRow() const;
    void fitToRows();

    PayrollContext& ctx_;
    const DesktopServices& desktop_;
    BoundCells cells_;
    std::array<QLineEdit*, kOvertimeRows> text1_{};
    std::array<QLineEdit*, kOvertimeRows> txtOT_{};
    QWidget* laterRows_ = nullptr;  // rows 26 to 51, weekly pay only
    QScrollArea* scroll_ = nullptr;
    QLabel* lbEarned_ = nullptr;
    QLabel* lbMax_ = nullptr;
    QLabel* lbAvail_ = nullptr;
    QLabel* lbSalaryHint_ = nullptr;
    QLabel* lbWk_ = nullptr;
    QLabel* lbOT_ = nullptr;
    int rowsShown_ = 0;
    bool totalling_ = false;
    bool deactivated_ = false;
    bool messageShown_ = false;  // in this showing; automatic TOTAL runs then stay quiet
};

}  // namespace corvanta::ui
