#pragma once

#include <QDialog>
#include <array>
#include <functional>
#include <optional>

#include "session/core/payroll_context.h"
#include "ui/bound_cells.h"

class QCheckBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;

namespace corvanta::ui {

// While alive, the last calculation's figures and the settings in use are kept: Missouri's setter
// tries the method once, which writes the state figures and sets Round State; what the window
// shows, the stub prints and the next calculation uses must stay as calculated and saved.
class TrialRunKept {
  public:
    explicit TrialRunKept(PayrollContext& ctx)
        : ctx_(ctx), result_(ctx.result), roundState_(ctx.state.RoundState) {}
    ~TrialRunKept() {
        ctx_.result = result_;
        ctx_.state.RoundState = roundState_;
    }
    TrialRunKept(const TrialRunKept&) = delete;
    TrialRunKept& operator=(const TrialRunKept&) = delete;

  private:
    PayrollContext& ctx_;
    PayResult result_;
    int roundState_;
};

// The state tax dialog `DialogState`, "Biweekly State Tax": shows and edits the engine's
// state dialog record in the context. The setters' captions, locked cells and the
// "Spouse Works" box come from that record; every button is an engine command.
class StateDialog : public QDialog {
    Q_OBJECT
  public:
    // Shows the record as loaded (loadStateDialog) by the caller.
    StateDialog(PayrollContext& ctx, QWidget* parent);

    // The record into the widgets.
    void refresh();
    // After the profile changed (User Info saved): the checked method's setter writes its cells
    // again for the filing status, exemptions and pay frequency now in force, as the next
    // calculation will.
    void followProfile();
    // Closed by a calculation or a save: nothing more runs.
    void closeWithoutSaving();

  signals:
    // "SAVE" or "Make Default" stored the settings ("Make Default" also closed the other
    // settings windows): every window shows the record again.
    void committed();

  protected:
    void reject() override;
    void closeEvent(QCloseEvent* event) override;

  private:
    QWidget* buildTables();
    QWidget* buildTable(const QString& title, bool married);
    QWidget* buildAllowances();
    QWidget* buildMethods();
    QWidget* buildInsurance(bool sdi);
    QWidget* buildAdjustment();
    QWidget* buildButtons();
    QCheckBox* addCheckBox(QGridLayout* grid, int row, int column, const QString& caption,
                           const QString& name);
    void runCommand(void (*command)(PayrollContext&));
    // Runs an engine command of the dialog on a copy of the context and keeps the dialog's
    // copy it leaves; then shows it.
    void edit(const std::function<void(PayrollContext&)>& command);
    void selectMethod(StateMethodId id);
    void save();
    void makeDefault();
    void getDefault();
    void takePendingDefault();
    void keepPlacesWhenHidden();
    void offerSpouseWorks();
    void showCheckBoxes();
    void showCaptions();

    PayrollContext& ctx_;
    BoundCells cells_;
    bool engineClosing_ = false;
    // The profile values the default state file carries, read by "Get Default" and taken
    // over by "SAVE" or "Make Default" only.
    std::optional<EmployeeProfile> pendingDefault_;
    std::array<QCheckBox*, kStateMethodCount> methodBoxes_{};
    QCheckBox *ckNoStateTax_ = nullptr, *ckSpouse_ = nullptr, *ckRoundOff_ = nullptr;
    QLabel* spouseLabel_ = nullptr;
    QLabel* lbStateRule_ = nullptr;
    QCheckBox *ckSDI_ = nullptr, *ckSUI_ = nullptr;
    QLabel *label13_ = nullptr, *label14_ = nullptr, *label15_ = nullptr;
    QLabel *label19_ = nullptr, *label20_ = nullptr, *label21_ = nullptr;
    QLabel *label23_ = nullptr, *label26_ = nullptr;
    QGroupBox* marriedTable_ = nullptr;
    QGroupBox* allowanceFrame_ = nullptr;
    std::array<QLabel*, kTableLines> label27_{};
};

}  // namespace corvanta::ui
