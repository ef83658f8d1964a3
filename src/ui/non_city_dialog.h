#pragma once

#include <QDialog>

#include "session/core/payroll_context.h"
#include "ui/bound_cells.h"

namespace corvanta::ui {

// The non-city-resident dialog `DialogNonCity`, "NON City Resident", over the engine's
// non-city dialog record. "SAVE" (or Enter) stores the boxes; "CANCEL" (or Escape) or closing drops
// them, and the next opening loads the table again.
class NonCityDialog : public QDialog {
    Q_OBJECT
  public:
    NonCityDialog(PayrollContext& ctx, QWidget* parent);
    void refresh();

  signals:
    void committed();

  protected:
    void reject() override;
    void closeEvent(QCloseEvent* event) override;

  private:
    QWidget* buildTable(bool weekly);
    QWidget* buildButtons();
    void save();

    PayrollContext& ctx_;
    BoundCells cells_;
};

}  // namespace corvanta::ui
