#include "ui/state_dialog.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "session/state/state_defaults.h"
#include "session/state/state_dialog_commands.h"
#include "session/state/state_withholding.h"
#include "ui/message_box.h"
#include "ui/screen_fit.h"

namespace corvanta::ui {

StateDialog::StateDialog(PayrollContext& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx) {
    setObjectName("DialogState");
    setWindowTitle("Biweekly State Tax");
    setAttribute(Qt::WA_DeleteOnClose);
    QVBoxLayout* rows = scrolledRows(this);
    rows->addWidget(buildTables());
    auto* lower = new QHBoxLayout;
    lower->addWidget(buildMethods());
    lower->addWidget(buildInsurance(true));
    lower->addWidget(buildInsurance(false));
    lower->addWidget(buildAdjustment());
    rows->addLayout(lower);
    auto* hints = new QLabel(
        "You MUST enter biweekly figures. The WEEKLY tables will auto adjust by selecting weekly "
        "in \"User Info\".\nEnter 999999 in any Minum Range Box that is not used.\n"
        "Each state publishes its withholding tables through its own tax department.",
        this);
    rows->addWidget(hints);
    layout()->addWidget(buildButtons());
    refresh();
    fitToScreen(this);
}

void StateDialog::refresh() {
    cells_.show();
    showCheckBoxes();
    showCaptions();
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

bool StateDialog::eventFilter(QObject* watched, QEvent* event) {
    const auto it = std::find(methodBoxes_.begin(), methodBoxes_.end(), watched);
    if (it == methodBoxes_.end()) return QDialog::eventFilter(watched, event);
    const bool press = event->type() == QEvent::MouseButtonPress &&
                       static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
    const bool space =
        event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space;
    if (!press && !space) return QDialog::eventFilter(watched, event);
    // The engine toggles the box itself; the widget only shows the result.
    (*it)->setFocus(Qt::MouseFocusReason);
    selectStateMethod(ctx_, static_cast<StateMethodId>(it - methodBoxes_.begin()));
    refresh();
    return true;
}

void StateDialog::runCommand(void (*command)(PayrollContext&)) {
    runShowingErrors(this, [&] { command(ctx_); });
    refresh();
}

void StateDialog::save() {
    if (!runShowingErrors(this, [&] { saveStateDialog(ctx_); })) return;
    close();
}

void StateDialog::makeDefault() {
    if (!runShowingErrors(this, [&] { makeStateDefault(ctx_); })) return;
    emit secondaryWindowsClosed();
    close();
}

void StateDialog::getDefault() {
    runShowingErrors(this, [&] { getDefaultStateFile(ctx_); });
    refresh();
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
        try {
            afterStateDialogClosed(ctx_);
        } catch (const UserError& e) {
            showUserError(parentWidget(), e);
        }
    }
    event->accept();
}

}  // namespace corvanta::ui
