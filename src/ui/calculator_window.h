#pragma once

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <memory>

#include "session/core/payroll_context.h"
#include "session/files/session.h"
#include "ui/desktop_services.h"

class QAction;
class QLabel;
class QLineEdit;
class QRadioButton;
class QPushButton;
class QGridLayout;
class QWidget;

namespace corvanta::ui {

class StateDialog;
class CityDialog;
class NonCityDialog;
class HeadingDialog;
class LedgerWindow;
class ChecksWindow;
class VacationDialog;
class OvertimeSheetForm;
class RegisterWindow;
class CheckRegisterWindow;
class YearEndWindow;
class PayRunWindow;
class ElidedLabel;
class EmployeeListWindow;

// The calculator window `Form1`: the eight entry boxes, Calculate and Clear, every result
// and the menus. It shows the engine's window texts and calls the engine's commands; the
// context is the one record of everything shown.
class CalculatorForm : public QMainWindow {
    Q_OBJECT
  public:
    // Without prompts the file commands ask through real message boxes and dialogs.
    explicit CalculatorForm(PayrollContext& ctx, std::unique_ptr<SessionPrompts> prompts = {},
                            QWidget* parent = nullptr);
    ~CalculatorForm() override;

    void calculate();
    void clear();
    void newEmployee();
    void openEmployee();
    // Open as File, Open does, with the employee's file already chosen (from the list).
    void openEmployeeNamed(const std::string& fileName);
    // "&Employees...": the folder's employees, to open one or start a new one.
    void openEmployeeList();
    // At start: the employee list beside the calculator when the folder holds employees.
    void listEmployeesAtStart();
    // The open employee list reads the folder again: after any command that may have written
    // an employee's files (a save, New, a calculation, a pay run).
    void refreshEmployeeList();
    void saveEmployee();
    void exitProgram();
    void savePeriod();
    void getPeriod();
    void openEmployeeDialog();
    void openStateDialog();
    void openCityDialog();
    void openNonCityDialog();
    void openHeadingDialog();
    void openCompanyDialog();
    void showHelp();
    void showAbout();
    void openLedger();
    void openChecks();
    void openVacation();
    void openOvertimeSheet();
    void openRegister();
    void openCheckRegister();
    void openYearEnd();
    void openPayRun();
    void backupFolder();
    void restoreFolder();
    void printStub();
    void printImage();
    void pickPayDate();

    // The context's window texts into the widgets. The entry boxes, the (1X)/(2X) choice and
    // the pay date write the context as they change, so showing it never loses what was typed.
    void showContext();
    [[nodiscard]] bool programEnded() const { return ended_; }
    Session& session() { return session_; }
    // The printer, file and document services every window uses; tests replace them.
    DesktopServices& desktop() { return desktop_; }

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* buildEntryFrame();
    QWidget* buildButtonFrame();
    QWidget* buildHeader();
    QWidget* buildResultFrame();
    QWidget* buildTaxFrame();
    QLabel* addResultRow(QGridLayout* grid, int row, const QString& caption, const QString& name);
    void buildMenus();
    void buildFileMenu();
    void buildFormsMenu();
    void buildOptionsMenu();
    void buildHelpMenu();
    QAction* addAction(QMenu* menu, const QString& name, const QString& caption,
                       void (CalculatorForm::*slot)(), const QKeySequence& keys = {});

    void afterCommand(SessionOutcome outcome = SessionOutcome::Continue);
    // After a pay run: the employee shown is read again when it paid her; the week's register.
    void afterPayRun(const std::vector<std::string>& names);
    void closeUnloadedDialogs();
    void refreshOpenWindows();
    void closeSideWindows();
    // Every window that shows the open employee's records, before another employee replaces
    // them; each is created again from the new record when next used.
    void closeEmployeeWindows();
    bool prepareLedgerForCheck();
    // Shows a modeless window in front, keyboard in it.
    static void present(QWidget* window);
    void endProgram();
    bool moveFocus(int box, int key);
    void showResults();
    void showEntries();
    [[nodiscard]] QString today() const;

    PayrollContext& ctx_;
    std::unique_ptr<SessionPrompts> prompts_;
    Session session_;
    DesktopServices desktop_ = realDesktopServices();
    std::array<QLineEdit*, kEntryBoxes> txtAmount_{};
    QRadioButton* opt1x_ = nullptr;
    QRadioButton* opt2x_ = nullptr;
    QLineEdit* txtWeek_ = nullptr;
    ElidedLabel* lbUser_ = nullptr;
    QLabel* lbTableNotice_ = nullptr;
    QLabel* lbYearNotice_ = nullptr;  // while the pay date is not in the tables' year
    QLabel* lbTaxVer_ = nullptr;
    QLabel* label13_ = nullptr;
    QLabel *lbTaxes_ = nullptr, *lbDeduct_ = nullptr, *lbNet_ = nullptr;
    QLabel *lbOverT_ = nullptr, *lbTips_ = nullptr;
    QLabel *lbCafe_ = nullptr, *lbSUI_ = nullptr, *lbSDI_ = nullptr;
    std::array<QLabel*, kTaxLines> lbTaxDed_{};
    std::array<QLabel*, 5> deductionTags_{};
    QPointer<StateDialog> stateDialog_;
    QPointer<CityDialog> cityDialog_;
    QPointer<NonCityDialog> nonCityDialog_;
    QPointer<HeadingDialog> headingDialog_;
    QPointer<LedgerWindow> ledgerWindow_;
    QPointer<ChecksWindow> checksWindow_;
    QPointer<VacationDialog> vacationDialog_;
    QPointer<OvertimeSheetForm> overtimeSheet_;
    QPointer<RegisterWindow> registerWindow_;
    QPointer<CheckRegisterWindow> checkRegisterWindow_;
    QPointer<YearEndWindow> yearEndWindow_;
    QPointer<PayRunWindow> payRunWindow_;
    QPointer<EmployeeListWindow> employeeList_;
    bool ended_ = false;
};

}  // namespace corvanta::ui
