#pragma once

#include <QDialog>
#include <array>

#include "session/core/payroll_context.h"
#include "session/side/leave_record.h"
#include "ui/bound_cells.h"

namespace corvanta::ui {

class ElidedLabel;

// The leave dialog `DialogVac`, "Vacation / Holiday / Sick" (not modal): start balance and
// twenty dated entries per kind, each balance recomputed as the boxes are typed in. Creating
// it runs the engine's load unless the record is already shown (after an open or a clear);
// closing it without "Save" leaves the ".hol" file alone and the next creation loads again.
class VacationDialog : public QDialog {
    Q_OBJECT
  public:
    explicit VacationDialog(PayrollContext& ctx, QWidget* parent = nullptr);

    // The boxes and balance labels from the engine's dialog record.
    void refresh();

  signals:
    void committed();

  protected:
    void reject() override;
    void closeEvent(QCloseEvent* event) override;

  private:
    QWidget* buildFrames();
    QWidget* buildFrame(int kind);
    QWidget* buildButtons();
    void recompute(int kind);
    void clearAll();
    void save();

    PayrollContext& ctx_;
    BoundCells cells_;
    std::array<ElidedLabel*, 3> balances_{};
};

}  // namespace corvanta::ui
