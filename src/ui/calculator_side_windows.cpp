// The calculator window's year-to-date, check, leave and overtime windows, its printouts and
// its pay date picker.
#include <QLineEdit>

#include "records/print/payee_name.h"
#include "session/print/pay_stub.h"
#include "session/ytd/ledger_file.h"
#include "ui/calculator_window.h"
#include "ui/check_register_window.h"
#include "ui/checks_window.h"
#include "ui/city_dialog.h"
#include "ui/heading_dialog.h"
#include "ui/ledger_window.h"
#include "ui/message_box.h"
#include "ui/non_city_dialog.h"
#include "ui/overtime_sheet_form.h"
#include "ui/pay_date_picker.h"
#include "ui/print_file_name.h"
#include "ui/register_window.h"
#include "ui/screen_fit.h"
#include "ui/state_dialog.h"
#include "ui/tax_year_question.h"
#include "ui/vacation_dialog.h"
#include "ui/year_end_window.h"

namespace corvanta::ui {
void CalculatorForm::present(QWidget* window) {
    window->show();
    keepOnScreen(window);
    window->raise();
    window->activateWindow();
}

void CalculatorForm::openLedger() {
    if (ledgerWindow_ == nullptr) {
        ledgerWindow_ = new LedgerWindow(ctx_, desktop_, this);
        connect(ledgerWindow_, &LedgerWindow::calculatorWanted, this, [this] { present(this); });
    }
    ledgerWindow_->openLedger();
}

void CalculatorForm::openChecks() {
    if (checksWindow_ == nullptr) {
        checksWindow_ = new ChecksWindow(
            ctx_, desktop_, [this] { return prepareLedgerForCheck(); }, this);
    }
    present(checksWindow_);
}

// A check prints the year-to-date figures: the ledger window is hidden, or, when it never
// opened, the ledger is read from its file as its opening would.
bool CalculatorForm::prepareLedgerForCheck() {
    if (ledgerWindow_ != nullptr) {
        ledgerWindow_->hide();
        return true;
    }
    return runShowingErrors(this, [this] { LoadLedger(ctx_); });
}

void CalculatorForm::openVacation() {
    if (vacationDialog_ == nullptr) {
        vacationDialog_ = new VacationDialog(ctx_, this);
        connect(vacationDialog_, &VacationDialog::committed, this, [this] { afterCommand(); });
    }
    present(vacationDialog_);
}

// The register reads the saved ledgers of the whole folder; it belongs to no one employee.
void CalculatorForm::openRegister() {
    if (registerWindow_ == nullptr) {
        registerWindow_ = new RegisterWindow(ctx_, desktop_, this);
    } else {
        registerWindow_->showRegister();
    }
    present(registerWindow_);
}

void CalculatorForm::openCheckRegister() {
    if (checkRegisterWindow_ == nullptr) {
        checkRegisterWindow_ = new CheckRegisterWindow(
            ctx_, desktop_,
            [this] {
                if (ledgerWindow_ != nullptr) ledgerWindow_->refresh();
            },
            this);
    } else {
        checkRegisterWindow_->showChecks();
    }
    present(checkRegisterWindow_);
}

void CalculatorForm::openYearEnd() {
    if (yearEndWindow_ == nullptr) {
        yearEndWindow_ = new YearEndWindow(ctx_, desktop_, this);
    } else {
        yearEndWindow_->showPreview();
    }
    present(yearEndWindow_);
}

void CalculatorForm::openOvertimeSheet() {
    if (overtimeSheet_ == nullptr) overtimeSheet_ = new OvertimeSheetForm(ctx_, desktop_, this);
    present(overtimeSheet_);
}

// The print button and "Print Sheet": the stub reloads the employee's files, ledger and leave
// record, so every open window shows them again afterwards.
void CalculatorForm::printStub() {
    if (!confirmTaxYear(this, ctx_.window.txtWeek, "Print")) return;
    if (employeeNameMissing(ctx_.profile) && !askYesNo(this, "Print", kNameNotFilledQuestion)) {
        return;
    }
    const std::string date = fromQt(today());
    printDocument(
        this, desktop_, [this, &date](PrintColumnModel& out) { PrintText(ctx_, out, date); },
        proposedPdf(ctx_, "stub"));
    if (headingDialog_ != nullptr) headingDialog_->close();
    afterCommand();
}

void CalculatorForm::printImage() {
    printWindowImage(this, desktop_, this, proposedPdf(ctx_, "picture"));
}

void CalculatorForm::pickPayDate() {
    pickDate(txtWeek_, PickerKind::PayPeriod, this);
    // The overtime sheet shows the pay period too.
    refreshOpenWindows();
}

void CalculatorForm::refreshOpenWindows() {
    if (stateDialog_ != nullptr) stateDialog_->refresh();
    if (cityDialog_ != nullptr) cityDialog_->refresh();
    if (nonCityDialog_ != nullptr) nonCityDialog_->refresh();
    if (ledgerWindow_ != nullptr) ledgerWindow_->refresh();
    if (checksWindow_ != nullptr) checksWindow_->refresh();
    if (vacationDialog_ != nullptr) vacationDialog_->refresh();
    if (overtimeSheet_ != nullptr) overtimeSheet_->refresh();
}

void CalculatorForm::closeSideWindows() {
    if (ledgerWindow_ != nullptr) ledgerWindow_->discard();
    for (QWidget* window :
         std::initializer_list<QWidget*>{checksWindow_, vacationDialog_, overtimeSheet_}) {
        if (window != nullptr) window->close();
    }
}

}  // namespace corvanta::ui
