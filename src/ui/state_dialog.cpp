#include "ui/state_dialog.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "session/state/state_defaults.h"
#include "session/state/state_dialog_commands.h"
#include "session/state/state_withholding.h"
#include "ui/message_box.h"
#include "ui/screen_fit.h"
#include "ui/started_from_label.h"

namespace corvanta::ui {

StateDialog::StateDialog(PayrollContext& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx) {
    setObjectName("DialogState");
    setWindowTitle("Biweekly State Tax");
    setAttribute(Qt::WA_DeleteOnClose);
    QVBoxLayout* rows = scrolledRows(this);
    rows->addWidget(buildTables());
    auto* lower = new QHBoxLayout;
    lower->addWidget(buildMethods());
    // SDI above SUI, so the dialog fits a 1024-pixel-wide screen without scrolling sideways.
    auto* insurance = new QVBoxLayout;
    insurance->addWidget(buildInsurance(true));
    insurance->addWidget(buildInsurance(false));
    lower->addLayout(insurance);
    lower->addWidget(buildAdjustment());
    rows->addLayout(lower);
    auto* hints = new QLabel(
        "You MUST enter biweekly figures. The WEEKLY tables will auto adjust by selecting weekly "
        "in \"User Info\".\nEnter 999999 in any Minum Range Box that is not used.\n"
        "Each state publishes its withholding tables through its own tax department.",
        this);
    hints->setWordWrap(true);
    rows->addWidget(hints);
    if (QLabel* started = startedFromLabel(ctx_, this)) rows->addWidget(started);
    layout()->addWidget(buildButtons());
    keepPlacesWhenHidden();
    refresh();
    fitToScreen(this);
}

// A ticked state shows or hides captions, the allowance block and "Spouse Works"; their room
// stays, so nothing moves under the mouse between two clicks.
void StateDialog::keepPlacesWhenHidden() {
    for (QWidget* w : std::initializer_list<QWidget*>{label19_, label20_, label21_, allowanceFrame_,
                                                      ckSpouse_, spouseLabel_, lbStateRule_}) {
        QSizePolicy policy = w->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        w->setSizePolicy(policy);
    }
}

void StateDialog::refresh() {
    offerSpouseWorks();
    cells_.show();
    showCheckBoxes();
    showCaptions();
}

void StateDialog::followProfile() { edit(applyCheckedSetters); }

// The engine's dialog commands act as the original's did: a setter tries its method, which
// writes the period's state figures and Round State, and "NO STATE TAX" sets the setting. Run
// on a copy of the context, only the dialog's own copy comes back, so the record keeps the
// last calculation and the settings as saved until "SAVE".
void StateDialog::edit(const std::function<void(PayrollContext&)>& command) {
    PayrollContext trial = ctx_;
    if (runShowingErrors(this, [&] { command(trial); })) {
        ctx_.stateDialog = std::move(trial.stateDialog);
    }
    refresh();
}

// "Spouse Works" is on offer whenever the checked method reads it, however the method came
// to be checked (selected, read from the files, taken from the default file).
void StateDialog::offerSpouseWorks() {
    StateDialogModel& d = ctx_.stateDialog;
    if (d.methodBox(StateMethodId::Missouri) != 0 || d.methodBox(StateMethodId::Utah) != 0) {
        d.ckSpouseVisible = true;
    }
}

void StateDialog::showCheckBoxes() {
    const StateDialogModel& d = ctx_.stateDialog;
    auto set = [](QCheckBox* box, int flag) {
        const QSignalBlocker block(box);
        box->setChecked(flag != 0);
    };
    for (int i = 0; i < kStateMethodCount; ++i) set(methodBoxes_[i], d.methodBoxes[i]);
    set(ckNoStateTax_, d.ckNoStateTax);
    set(ckSpouse_, d.ckSpouse);
    set(ckRoundOff_, d.ckRoundOff);
    set(ckSDI_, d.ckSDI);
    set(ckSUI_, d.ckSUI);
    ckSpouse_->setVisible(d.ckSpouseVisible);
    spouseLabel_->setVisible(d.ckSpouseVisible);
}

void StateDialog::showCaptions() {
    const StateDialogModel& d = ctx_.stateDialog;
    label13_->setText(toQt(d.Label13));
    label14_->setText(toQt(d.Label14));
    label15_->setText(toQt(d.Label15));
    label21_->setText(toQt(d.Label21));
    for (QLabel* label : {label19_, label20_, label21_}) {
        label->setVisible(d.biWeeklyCaptionsVisible);
    }
    label23_->setText(toQt(d.Label23));
    label26_->setText(toQt(d.Label26));
    for (int n = 0; n < kTableLines; ++n) label27_[n]->setText(toQt(d.Label27[n]));
    marriedTable_->setTitle(toQt(d.MarriedTableHeading));
    lbStateRule_->setText(toQt(d.lbStateRule));
    lbStateRule_->setVisible(!d.lbStateRule.empty());
    allowanceFrame_->setVisible(d.allowanceFrameVisible);
}

// Every way a method box changes (a click, each press of a double click, the space bar) is
// one selection by the engine, which decides the box; the widget only shows the result.
void StateDialog::selectMethod(StateMethodId id) {
    edit([id](PayrollContext& c) { selectStateMethod(c, id); });
}

void StateDialog::runCommand(void (*command)(PayrollContext&)) { edit(command); }

void StateDialog::save() {
    const EmployeeProfile before = ctx_.profile;
    takePendingDefault();
    if (!runShowingErrors(this, [&] { saveStateDialog(ctx_); })) {
        ctx_.profile = before;
        return;
    }
    close();
    emit committed();
}

void StateDialog::makeDefault() {
    const EmployeeProfile before = ctx_.profile;
    takePendingDefault();
    if (!runShowingErrors(this, [&] { makeStateDefault(ctx_); })) {
        ctx_.profile = before;
        return;
    }
    close();
    emit committed();
}

// The default file fills the dialog only: the settings in use stay the employee's until
// "SAVE", so a calculation meanwhile pays and stores hers.
void StateDialog::getDefault() {
    edit([this](PayrollContext& c) {
        if (getDefaultStateFile(c)) pendingDefault_ = c.profile;
    });
}

// The state file's values of the profile, as "Get Default" read them.
void StateDialog::takePendingDefault() {
    if (!pendingDefault_) return;
    EmployeeProfile& p = ctx_.profile;
    p.StateExemptions = pendingDefault_->StateExemptions;
    p.StateStatus = pendingDefault_->StateStatus;
    p.FedExempt = pendingDefault_->FedExempt;
    p.FedAddWithholding = pendingDefault_->FedAddWithholding;
    p.SocSecMedExempt = pendingDefault_->SocSecMedExempt;
}

void StateDialog::reject() { close(); }

void StateDialog::closeWithoutSaving() {
    engineClosing_ = true;
    close();
}

void StateDialog::closeEvent(QCloseEvent* event) {
    if (!engineClosing_) {
        // Unsaved edits are dropped: the next use loads the dialog again.
        ctx_.loaded.stateDialog = false;
        const TrialRunKept kept(ctx_);
        try {
            afterStateDialogClosed(ctx_);
        } catch (const UserError& e) {
            showUserError(parentWidget(), e);
        }
    }
    event->accept();
}

}  // namespace corvanta::ui
