#include "app/screenshots.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPixmap>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include "app/window_steps.h"
#include "session/files/open_employee.h"
#include "ui/calculator_window.h"
#include "ui/company_dialog.h"
#include "ui/employee_dialog.h"
#include "ui/help_window.h"
#include "ui/pay_run_window.h"
#include "ui/register_window.h"
#include "ui/state_dialog.h"

namespace corvanta::app {
namespace {

bool grab(QWidget* widget, const QString& file) {
    widget->show();
    QApplication::processEvents();
    return widget->grab().save(file);
}

// The whole screen with the window at its top left, as the clerk sees it there.
bool grabOnScreen(QWidget* window, const QString& file) {
    window->move(0, 0);
    window->show();
    QApplication::processEvents();
    QScreen* screen = window->screen();
    return screen->grabWindow(0).save(file);
}

void calculateWeek(ui::CalculatorForm& form, const char* week, const char* hours) {
    form.findChild<QLineEdit*>("txtWeek")->setText(week);
    form.findChild<QLineEdit*>("txtAmount0")->setText(hours);
    form.findChild<QLineEdit*>("txtAmount3")->setText("2.5");
    form.calculate();
}

// The ledger with two weeks posted and added up.
bool grabLedger(ui::CalculatorForm& form, const QString& dir) {
    form.openLedger();
    QWidget* ledger = shownWindow("MDIForm1");
    if (ledger == nullptr) return false;
    leftClick(ledger->findChild<QWidget*>("Label20"));
    calculateWeek(form, "1/12/2008", "38");
    leftClick(ledger->findChild<QWidget*>("Label21"));
    triggerAction(ledger, "mnuAdd");
    ledger->resize(1140, 700);
    return grab(ledger, dir + "/ledger-window.png");
}

bool grabSideWindows(ui::CalculatorForm& form, const QString& dir) {
    bool ok = true;
    form.openChecks();
    if (QWidget* checks = shownWindow("frmChecks"))
        ok = grab(checks, dir + "/check-window.png") && ok;
    form.openVacation();
    if (QWidget* leave = shownWindow("DialogVac")) {
        // Typed as an operator would, so the balances follow.
        for (const auto& [box, text] : {std::pair{"txtVacBal", "10"},
                                        {"txtVdate0", "1/7/2008"},
                                        {"txtVcnt0", "2"},
                                        {"txtVdate1", "1/8/2008"},
                                        {"txtVcnt1", "3.5"},
                                        {"txtSickBal", "5"}}) {
            auto* edit = leave->findChild<QLineEdit*>(box);
            edit->selectAll();
            edit->insert(text);
        }
        ok = grab(leave, dir + "/leave-dialog.png") && ok;
    }
    form.openOvertimeSheet();
    if (QWidget* sheet = shownWindow("Form2")) {
        for (const auto& [box, text] : {std::pair{"txtApPercent", "5"},
                                        {"Text10", "1/5/2008"},
                                        {"txtOT0", "28.13"},
                                        {"Text11", "1/12/2008"},
                                        {"txtOT1", "28.13"}}) {
            auto* edit = sheet->findChild<QLineEdit*>(box);
            edit->selectAll();
            edit->insert(text);
        }
        if (auto* total = sheet->findChild<QPushButton*>("cmdADD")) total->click();
        ok = grab(sheet, dir + "/overtime-sheet.png") && ok;
    }
    return ok;
}

// The register of the first quarter, with its 941 lines.
bool grabRegister(ui::CalculatorForm& form, const QString& dir) {
    form.openRegister();
    auto* reg = qobject_cast<ui::RegisterWindow*>(shownWindow("frmRegister"));
    if (reg == nullptr) return false;
    reg->findChild<QComboBox*>("cboSpan")->setCurrentIndex(1);
    reg->chooseSpan();
    reg->resize(1000, 700);
    const bool ok = grab(reg, dir + "/register-window.png");
    reg->close();
    return ok;
}

// The pay run of the next week: every employee chosen with her last entries, previewed.
bool grabPayRun(ui::CalculatorForm& form, const QString& dir) {
    form.openPayRun();
    auto* run = qobject_cast<ui::PayRunWindow*>(shownWindow("frmPayRun"));
    if (run == nullptr) return false;
    run->findChild<QLineEdit*>("txtRunWeek")->setText("1/25/2008");
    run->findChild<QPushButton*>("cmdChooseAll")->click();
    run->copyLastPeriod();
    run->preview();
    run->resize(1000, 600);
    const bool ok = grab(run, dir + "/pay-run-window.png");
    run->close();
    return ok;
}

// The check register once the sample check was printed.
bool grabCheckRegister(ui::CalculatorForm& form, const QString& dir) {
    form.openCheckRegister();
    QWidget* checks = shownWindow("frmCheckRegister");
    if (checks == nullptr) return false;
    const bool ok = grab(checks, dir + "/check-register.png");
    checks->close();
    return ok;
}

// The employee list over the sample folder's employees.
bool grabEmployeeList(ui::CalculatorForm& form, const QString& dir) {
    form.openEmployeeList();
    QWidget* list = shownWindow("frmEmployees");
    if (list == nullptr) return false;
    const bool ok = grab(list, dir + "/employee-list.png");
    list->close();
    return ok;
}

// The stub, the check and the ledger report printed from the windows into PDFs.
void printSamples(ui::CalculatorForm& form, const QString& dir) {
    QString target;
    form.desktop().choosePrinter = [&target](QWidget*, const QString&) {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(target);
        return printer;
    };
    // The sample employee may still carry the placeholder name; print anyway.
    QTimer yes;
    QObject::connect(&yes, &QTimer::timeout, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            if (QAbstractButton* button = box->button(QMessageBox::Yes)) button->click();
        }
    });
    yes.start(20);
    target = dir + "/stub.pdf";
    form.printStub();
    target = dir + "/check.pdf";
    form.openChecks();
    if (QWidget* checks = shownWindow("frmChecks")) {
        triggerAction(checks, "mnuPrintCheck");
        if (QWidget* offsets = shownWindow("dlgPrintSet")) {
            offsets->findChild<QPushButton*>("OKButton")->click();
        }
    }
    target = dir + "/ledger-report.pdf";
    form.openLedger();
    if (QWidget* ledger = shownWindow("MDIForm1")) triggerAction(ledger, "mnuPrint");
}

}  // namespace

int takeScreenshots(PayrollContext& ctx, const QString& dir) {
    QDir().mkpath(dir);
    // As at any start: the default group read whole from its files. An empty record would be
    // saved over the group's tables by the first calculation.
    startWithDefaultGroup(ctx);
    ui::CalculatorForm form(ctx);
    form.resize(900, 620);
    form.show();
    calculateWeek(form, "1/5/2008", "40");
    bool ok = grab(&form, dir + "/main-window.png");
    form.openStateDialog();
    auto* state = form.findChild<ui::StateDialog*>("DialogState");
    if (state != nullptr) {
        ok = grab(state, dir + "/state-dialog.png") && ok;
        ok = grabOnScreen(state, dir + "/state-dialog-1024x768.png") && ok;
        state->close();
    }
    ui::EmployeeDialog employee(
        ctx, [] { return false; }, &form);
    ok = grab(&employee, dir + "/employee-dialog.png") && ok;
    ui::CompanyDialog company(ctx, &form);
    ok = grab(&company, dir + "/company-dialog.png") && ok;
    ok = grabLedger(form, dir) && ok;
    ok = grabSideWindows(form, dir) && ok;
    ok = grabRegister(form, dir) && ok;
    ok = grabPayRun(form, dir) && ok;
    ok = grabEmployeeList(form, dir) && ok;
    printSamples(form, dir);
    ok = grabCheckRegister(form, dir) && ok;
    if (ui::HelpWindow* help = ui::showManual(&form, "getting-started.html")) {
        help->resize(900, 640);
        ok = grab(help, dir + "/help-window.png") && ok;
        help->close();
    }
    return ok ? 0 : 1;
}

}  // namespace corvanta::app
