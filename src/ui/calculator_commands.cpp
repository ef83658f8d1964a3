// The calculator window's commands: each calls the engine and shows the context again.
#include <QCloseEvent>
#include <QFileDialog>
#include <QLineEdit>

#include "session/core/calculate.h"
#include "session/files/period_snapshot.h"
#include "ui/calculator_window.h"
#include "ui/city_dialog.h"
#include "ui/employee_list_window.h"
#include "ui/heading_dialog.h"
#include "ui/message_box.h"
#include "ui/non_city_dialog.h"
#include "ui/overtime_sheet_form.h"
#include "ui/state_dialog.h"
#include "ui/vacation_dialog.h"

namespace corvanta::ui {

void CalculatorForm::calculate() {
    runShowingErrors(this, [&] { Calcu_late(ctx_); });
    // A calculation makes a new check: the check window fills again as when it opens, its
    // date included, so a check never goes out beside the stubs of another week.
    ctx_.check.loaded = false;
    afterCommand();
    txtAmount_[0]->setFocus();
}

void CalculatorForm::clear() {
    ClearAll(ctx_, fromQt(today()));
    // The figures are gone from the record, so from every window that shows them.
    afterCommand();
    txtAmount_[0]->setFocus();
}

void CalculatorForm::newEmployee() {
    closeEmployeeWindows();
    afterCommand(session_.New());
}

void CalculatorForm::openEmployee() {
    closeEmployeeWindows();
    afterCommand(session_.Open());
}

void CalculatorForm::closeEmployeeWindows() {
    if (stateDialog_ != nullptr) stateDialog_->closeWithoutSaving();
    for (QWidget* dialog : std::initializer_list<QWidget*>{cityDialog_, nonCityDialog_}) {
        if (dialog != nullptr) dialog->close();
    }
    closeSideWindows();
}

void CalculatorForm::saveEmployee() { afterCommand(session_.Save()); }

void CalculatorForm::exitProgram() { close(); }

void CalculatorForm::closeEvent(QCloseEvent* event) {
    if (!ended_) {
        session_.Exit();
        ended_ = true;
    }
    closeUnloadedDialogs();
    closeSideWindows();
    for (QWidget* dialog : std::initializer_list<QWidget*>{
             stateDialog_, cityDialog_, nonCityDialog_, headingDialog_, employeeList_}) {
        if (dialog != nullptr) dialog->close();
    }
    event->accept();
}

void CalculatorForm::savePeriod() {
    runShowingErrors(this, [&] { SavePeriodSnapshot(ctx_); });
    afterCommand();
}

void CalculatorForm::getPeriod() {
    const QString chosen = QFileDialog::getOpenFileName(
        this, "Get Pay Period", toQt(ctx_.folder.string()), "Saved Files (*.prv)");
    if (chosen.isEmpty()) return;
    runShowingErrors(this,
                     [&] { LoadPeriodSnapshot(ctx_, std::filesystem::path(fromQt(chosen))); });
    // The period got back is calculated: a new check, as after Calculate.
    ctx_.check.loaded = false;
    afterCommand();
}

// The one place every window follows the record from: after New, Open, a calculation and any
// window's commit. Settings windows the engine unloaded close; every other open window shows
// the record again; the program ends when the command asked for it.
void CalculatorForm::afterCommand(SessionOutcome outcome) {
    showContext();
    closeUnloadedDialogs();
    refreshOpenWindows();
    if (outcome == SessionOutcome::EndProgram) {
        endProgram();
        return;
    }
    refreshEmployeeList();
}

void CalculatorForm::closeUnloadedDialogs() {
    if (stateDialog_ != nullptr && !ctx_.loaded.stateDialog) stateDialog_->closeWithoutSaving();
    if (cityDialog_ != nullptr && !ctx_.loaded.cityDialog) cityDialog_->close();
    if (nonCityDialog_ != nullptr && !ctx_.loaded.nonCityDialog) nonCityDialog_->close();
    // A save takes the sheet's and the leave dialog's texts and closes them.
    if (overtimeSheet_ != nullptr && !ctx_.overtimeWindow.loaded) overtimeSheet_->close();
    if (vacationDialog_ != nullptr && !ctx_.leaveDialog.loaded) vacationDialog_->close();
}

void CalculatorForm::endProgram() {
    ended_ = true;
    close();
}

}  // namespace corvanta::ui
