// The calculator window's menus and the windows they open.
#include <QMenuBar>
#include <QMessageBox>

#include "base/core/program_info.h"
#include "session/files/print_heading.h"
#include "session/local/local_files.h"
#include "session/state/state_withholding.h"
#include "ui/calculator_keys.h"
#include "ui/calculator_window.h"
#include "ui/city_dialog.h"
#include "ui/claim_shortcuts.h"
#include "ui/company_dialog.h"
#include "ui/employee_dialog.h"
#include "ui/heading_dialog.h"
#include "ui/help_file.h"
#include "ui/help_window.h"
#include "ui/message_box.h"
#include "ui/non_city_dialog.h"
#include "ui/state_dialog.h"

namespace corvanta::ui {
QAction* CalculatorForm::addAction(QMenu* menu, const QString& name, const QString& caption,
                                   void (CalculatorForm::*slot)(), const QKeySequence& keys) {
    QAction* action = menu->addAction(caption, this, slot);
    action->setObjectName(name);
    if (!keys.isEmpty()) action->setShortcut(keys);
    return action;
}

void CalculatorForm::buildMenus() {
    buildFileMenu();
    buildFormsMenu();
    buildOptionsMenu();
    buildHelpMenu();
    installCalculatorKeys(this);
    showWorkingFolder(this, ctx_);
}

void CalculatorForm::buildFileMenu() {
    QMenu* menu = menuBar()->addMenu("&File");
    menu->setObjectName("mnuFile");
    addAction(menu, "mnuNew", "&New", &CalculatorForm::newEmployee, QKeySequence::New);
    addAction(menu, "mnuOpen", "&Open", &CalculatorForm::openEmployee, QKeySequence::Open);
    addAction(menu, "mnuSave", "&Save", &CalculatorForm::saveEmployee, QKeySequence::Save);
    menu->addSeparator();
    addAction(menu, "mnuChecks", "C&hecks", &CalculatorForm::openChecks);
    addAction(menu, "mnuPrintSheetItem", "Print Sheet", &CalculatorForm::printStub,
              QKeySequence::Print);
    addAction(menu, "mnuPrintItem", "&Print Image", &CalculatorForm::printImage);
    menu->addSeparator();
    addAction(menu, "mnuClearIitem", "&Clear", &CalculatorForm::clear);
    menu->addSeparator();
    addAction(menu, "mnuBackup", "&Backup...", &CalculatorForm::backupFolder);
    addAction(menu, "mnuRestore", "Restore...", &CalculatorForm::restoreFolder);
    menu->addSeparator();
    addAction(menu, "mnuExitItem", "E&xit", &CalculatorForm::exitProgram, QKeySequence::Quit);
}

void CalculatorForm::buildFormsMenu() {
    QMenu* menu = menuBar()->addMenu("Fo&rms");
    menu->setObjectName("mnuForms");
    // Ctrl+E and Ctrl+R from anywhere in the window, an entry box included (which keeps them
    // otherwise).
    addAction(menu, "mnuEmployees", "&Employees...", &CalculatorForm::openEmployeeList,
              Qt::CTRL | Qt::Key_E);
    claimShortcuts(this, {QKeySequence(Qt::CTRL | Qt::Key_E), QKeySequence(Qt::CTRL | Qt::Key_R)});
    menu->addSeparator();
    addAction(menu, "mnuVac", "&Vacation", &CalculatorForm::openVacation);
    addAction(menu, "mnuOtItem", "OT %", &CalculatorForm::openOvertimeSheet);
    addAction(menu, "mnuYear", "&Year to Date", &CalculatorForm::openLedger);
    // "&Header": E is the employee list's.
    addAction(menu, "mnuHeader", "&Header", &CalculatorForm::openHeadingDialog);
    addAction(menu, "mnuCompany", "&Company...", &CalculatorForm::openCompanyDialog);
    menu->addSeparator();
    // "Re&gister": R is the pay run's.
    addAction(menu, "mnuRegister", "Payroll Re&gister", &CalculatorForm::openRegister);
    addAction(menu, "mnuCheckRegister", "Chec&k Register...", &CalculatorForm::openCheckRegister);
    addAction(menu, "mnuYearEnd", "Year-End &Forms...", &CalculatorForm::openYearEnd);
    menu->addSeparator();
    addAction(menu, "mnuPayRun", "Pay &Run...", &CalculatorForm::openPayRun, Qt::CTRL | Qt::Key_R);
}

void CalculatorForm::buildOptionsMenu() {
    QMenu* menu = menuBar()->addMenu("&Options");
    menu->setObjectName("mnuOptions");
    // F2: an entry box takes Ctrl+U for itself (erase to the start of the line).
    addAction(menu, "mnuTaxInfoItem", "&User Info", &CalculatorForm::openEmployeeDialog,
              Qt::Key_F2);
    addAction(menu, "mnuState", "S&tate Tax", &CalculatorForm::openStateDialog,
              Qt::CTRL | Qt::Key_T);
    addAction(menu, "mnuCity", "C&ity Tax", &CalculatorForm::openCityDialog, Qt::CTRL | Qt::Key_I);
    addAction(menu, "mnuNonCity", "Non City Tax", &CalculatorForm::openNonCityDialog);
}

void CalculatorForm::buildHelpMenu() {
    QMenu* menu = menuBar()->addMenu("&Help");
    menu->setObjectName("mnuHelp");
    // F1 opens the page of whichever window has the keyboard (installHelpKey).
    addAction(menu, "mnuHelpItem", "He&lp", &CalculatorForm::showHelp);
    addAction(menu, "mnuAboutItem", "&About", &CalculatorForm::showAbout);
}

void CalculatorForm::openEmployeeDialog() {
    EmployeeDialog dialog(
        ctx_, [this] { return session_.saveAs(ctx_.UserFileBase); }, this);
    if (dialog.exec() == QDialog::Accepted && stateDialog_ != nullptr) {
        stateDialog_->followProfile();
    }
    afterCommand();
}

void CalculatorForm::openStateDialog() {
    if (stateDialog_ == nullptr) {
        const auto load = [this] {
            const TrialRunKept kept(ctx_);
            loadStateDialog(ctx_);
        };
        if (!ctx_.loaded.stateDialog && !runShowingErrors(this, load)) return;
        stateDialog_ = new StateDialog(ctx_, this);
        connect(stateDialog_, &StateDialog::committed, this, [this] { afterCommand(); });
    }
    present(stateDialog_);
}

void CalculatorForm::openCityDialog() {
    if (cityDialog_ == nullptr) {
        if (!ctx_.loaded.cityDialog && !runShowingErrors(this, [this] { loadCityDialog(ctx_); }))
            return;
        cityDialog_ = new CityDialog(ctx_, this);
        connect(cityDialog_, &CityDialog::committed, this, [this] { afterCommand(); });
    }
    present(cityDialog_);
}

void CalculatorForm::openNonCityDialog() {
    if (nonCityDialog_ == nullptr) {
        if (!ctx_.loaded.nonCityDialog &&
            !runShowingErrors(this, [this] { loadNonCityDialog(ctx_); })) {
            return;
        }
        nonCityDialog_ = new NonCityDialog(ctx_, this);
        connect(nonCityDialog_, &NonCityDialog::committed, this, [this] { afterCommand(); });
    }
    present(nonCityDialog_);
}

void CalculatorForm::openCompanyDialog() {
    CompanyDialog dialog(ctx_, this);
    // The heading is the company's: an open heading dialog would show the old lines.
    if (dialog.exec() == QDialog::Accepted && headingDialog_ != nullptr) headingDialog_->close();
    afterCommand();
}

void CalculatorForm::openHeadingDialog() {
    if (headingDialog_ == nullptr) {
        if (!runShowingErrors(this, [this] { loadHeadingDialog(ctx_); })) return;
        headingDialog_ = new HeadingDialog(ctx_, this);
    }
    present(headingDialog_);
}

void CalculatorForm::showHelp() { corvanta::ui::showHelp(this, ctx_.folder, "index.html"); }

void CalculatorForm::showAbout() {
    QMessageBox about(QMessageBox::Information, "About Corvanta 2008",
                      QString("<b>Corvanta 2008</b><br>Paycheck calculator for the 2008 tax year."
                              "<br>Version %1<br>%2")
                          .arg(kProgramVersion, kMakerNameCaps),
                      QMessageBox::Ok, this);
    about.setObjectName("aboutBox");
    if (!windowIcon().isNull()) about.setIconPixmap(windowIcon().pixmap(48, 48));
    about.exec();
}

}  // namespace corvanta::ui
