#pragma once

#include <QDialog>

#include "session/core/payroll_context.h"
#include "ui/bound_cells.h"

class QCheckBox;

namespace corvanta::ui {

// The city tax dialog `DialogCity`, "City (Local) Tax Tables", over the engine's city
// dialog record. The caller loads the record (loadCityDialog) before showing it.
class CityDialog : public QDialog {
    Q_OBJECT
  public:
    CityDialog(PayrollContext& ctx, QWidget* parent);
    void refresh();

  signals:
    void committed();

  protected:
    void reject() override;
    void closeEvent(QCloseEvent* event) override;

  private:
    QWidget* buildTable(bool married);
    QWidget* buildAllowances();
    QWidget* buildButtons();
    void clickNoLocalTax(bool checked);
    void save();

    PayrollContext& ctx_;
    BoundCells cells_;
    QCheckBox* ckNoLocalTax_ = nullptr;
};

}  // namespace corvanta::ui
