// The calculator window's commands: each calls the engine and shows the context again.
#include <QCloseEvent>
#include <QFileDialog>
#include <QLineEdit>

#include "session/core/calculate.h"
#include "session/files/period_snapshot.h"
#include "ui/calculator_window.h"
#include "ui/city_dialog.h"
#include "ui/heading_dialog.h"
#include "ui/message_box.h"
#include "ui/non_city_dialog.h"
#include "ui/overtime_sheet_form.h"
#include "ui/state_dialog.h"
#include "ui/vacation_dialog.h"

namespace corvanta::ui {

void CalculatorForm::calculate() {
    takeEntries();
    runShowingErrors(this, [&] { Calcu_late(ctx_); });
    afterCommand();
    txtAmount_[0]->setFocus();
}

void CalculatorForm::clear() {
    takeEntries();
    ClearAll(ctx_, fromQt(today()));
    showContext();
    txtAmount_[0]->setFocus();
}

void CalculatorForm::newEmployee() {
    takeEntries();
    closeEmployeeWindows();
    afterCommand(session_.New());
}

void CalculatorForm::openEmployee() {
    takeEntries();
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

void CalculatorForm::saveEmployee() {
    takeEntries();
    afterCommand(session_.Save());
}

void CalculatorForm::exitProgram() { close(); }

void CalculatorForm::closeEvent(QCloseEvent* event) {
    if (!ended_) {
        takeEntries();
        session_.Exit();
        ended_ = true;
    }
    closeUnloadedDialogs();
    closeSideWindows();
    for (QWidget* dialog : std::initializer_list<QWidget*>{stateDialog_, cityDialog_,
                                                           nonCityDialog_, headingDialog_}) {
        if (dialog != nullptr) dialog->close();
    }
    event->accept();
}

void CalculatorForm::savePeriod() {
    takeEntries();
    runShowingErrors(this, [&] { SavePeriodSnapshot(ctx_); });
    showContext();
}

void CalculatorForm::getPeriod() {
    takeEntries();
    const QString chosen = QFileDialog::getOpenFileName(
        this, "Get Pay Period", toQt(ctx_.folder.string()), "Saved Files (*.prv)");
    if (chosen.isEmpty()) return;
    runShowingErrors(this,
                     [&] { LoadPeriodSnapshot(ctx_, std::filesystem::path(fromQt(chosen))); });
    afterCommand();
}

// After a file command or a calculation: show the context, close every settings window the
// engine closed, and end the program when the command asked for it.
void CalculatorForm::afterCommand(SessionOutcome outcome) {
    showContext();
    closeUnloadedDialogs();
    refreshSideWindows();
    if (outcome == SessionOutcome::EndProgram) endProgram();
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
