#pragma once

#include <QWidget>
#include <array>

#include "session/core/payroll_context.h"
#include "ui/bound_cells.h"
#include "ui/ledger_columns.h"

class QGridLayout;
class QLabel;
class QScrollArea;
class QScrollBar;

namespace corvanta::ui {

// The ledger grid `frmYear`: a line per row in use with its row number, the week text and
// amounts as labels, and the tips, gross and net cells bound to the ledger's grid texts.
// Pressing a row number asks for a post (left button or Enter) or a zeroed row (right button or
// Delete).
class LedgerGrid : public QWidget {
    Q_OBJECT
  public:
    LedgerGrid(PayrollContext& ctx, QWidget* parent);
    // The grid texts, the deduction headings and the rows in use from the ledger.
    void refresh();
    // The size that shows every row in use without scrolling.
    [[nodiscard]] QSize fullSize() const;
    // Scrolls the grid sideways; the totals strip follows it to keep its columns in line.
    [[nodiscard]] QScrollBar* sidewaysBar() const;

  signals:
    void postWanted(int row);
    void zeroWanted(int row);
    void updateWanted();
    void closeWanted();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* buildButtons();
    QWidget* buildTable();
    void addHeadings(QGridLayout* grid, int layoutRow, std::array<QLabel*, 5>& deductions);
    void addLine(QGridLayout* grid, int row);
    void showRow(int row);

    PayrollContext& ctx_;
    BoundCells cells_;
    QWidget* buttons_ = nullptr;
    QWidget* table_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    std::array<QLabel*, 5> topDeductions_{};
    std::array<QLabel*, 5> bottomDeductions_{};
    // Per row: every widget of the line by column; the label columns are QLabels.
    std::array<std::array<QWidget*, ledger_columns::kCount>, kLedgerRows> lines_{};
};

}  // namespace corvanta::ui
