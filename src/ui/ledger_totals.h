#pragma once

#include <QWidget>
#include <array>

#include "session/core/payroll_context.h"
#include "ui/bound_cells.h"

class QGridLayout;
class QLabel;
class QLineEdit;

namespace corvanta::ui {

// The totals strip `frmYearTot` below the grid: a box per total bound to the ledger's totals
// texts, under captions that follow the grid's columns.
class LedgerTotals : public QWidget {
    Q_OBJECT
  public:
    LedgerTotals(PayrollContext& ctx, QWidget* parent);
    // The totals texts and the deduction captions from the ledger.
    void refresh();

  private:
    void addColumnTotals(QGridLayout* grid);
    void addOtherTotals(QGridLayout* grid);
    QLineEdit* addBox(QGridLayout* grid, int row, int column, const QString& name,
                      std::string* text, bool numeric = false);

    PayrollContext& ctx_;
    BoundCells boxes_;
    std::array<QLabel*, 5> deductionCaptions_{};
};

}  // namespace corvanta::ui
