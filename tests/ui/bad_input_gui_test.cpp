// Hostile texts typed and pasted into every box of the windows that store what they are
// given, then the window's storing command: no crash, and every file of the employee is still
// there and still reads.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPrinter>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "session/core/calculate.h"
#include "session/files/employee_files.h"
#include "session/side/leave_record.h"
#include "session/ytd/ledger_file.h"
#include "session/ytd/ledger_ops.h"
#include "support/payroll_fixture.h"
#include "ui/desktop_services.h"
#include "ui/employee_dialog.h"
#include "ui/ledger_window.h"
#include "ui/overtime_sheet_form.h"
#include "ui/print_offset_dialog.h"
#include "ui/vacation_dialog.h"

namespace corvanta::ui {
namespace {

const QStringList& hostileTexts() {
    static const QStringList texts{"",           " ",           "-",
                                   ".",          "1-2",         "--5",
                                   "1e999",      "99999999999", QString(10000, '9'),
                                   "say \"hi\"", "1,5",         "Zoë Ærøskøbing"};
    return texts;
}

// Every message box is answered at once: Yes where asked, else OK.
class AnswerEveryBox {
  public:
    AnswerEveryBox() {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr) return;
            QAbstractButton* button = box->button(QMessageBox::Yes);
            if (button == nullptr) button = box->button(QMessageBox::Ok);
            if (button == nullptr) return;
            ++answered;
            button->click();
        });
        timer_.start(5);
    }
    int answered = 0;

  private:
    QTimer timer_;
};

// One window that stores what its boxes hold: how to open it, which boxes, how to store.
struct StoringWindow {
    const char* name;
    std::function<QWidget*(PayrollContext&, const DesktopServices&)> open;
    std::function<QList<QLineEdit*>(QWidget*)> boxes;
    std::function<void(QWidget*)> store;
    std::function<void(QWidget*)> dispose;
};

QList<QLineEdit*> namedBoxes(QWidget* window) {
    QList<QLineEdit*> out;
    for (QLineEdit* box : window->findChildren<QLineEdit*>()) {
        if (!box->objectName().isEmpty()) out.push_back(box);
    }
    return out;
}

QList<QLineEdit*> boxesNamed(QWidget* window, const QStringList& names) {
    QList<QLineEdit*> out;
    for (const QString& name : names) {
        if (auto* box = window->findChild<QLineEdit*>(name)) out.push_back(box);
        if (auto* combo = window->findChild<QComboBox*>(name)) out.push_back(combo->lineEdit());
    }
    return out;
}

void click(QWidget* window, const char* button) {
    if (auto* b = window->findChild<QPushButton*>(button)) b->click();
}

void closeAndDelete(QWidget* window) {
    QPointer<QWidget> alive(window);
    if (alive) alive->setAttribute(Qt::WA_DeleteOnClose);
    if (alive) alive->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (alive) alive->deleteLater();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

std::vector<StoringWindow> storingWindows() {
    return {
        {"DialogVac",
         [](PayrollContext& ctx, const DesktopServices&) -> QWidget* {
             return new VacationDialog(ctx);
         },
         [](QWidget* w) {
             return boxesNamed(
                 w, {"txtVacBal", "txtVcnt0", "txtVdate0", "txtHolBal", "txtScnt19", "txtSdate19"});
         },
         [](QWidget* w) { click(w, "OKButton"); }, closeAndDelete},
        {"Form2",
         [](PayrollContext& ctx, const DesktopServices& desktop) -> QWidget* {
             return new OvertimeSheetForm(ctx, desktop);
         },
         [](QWidget* w) {
             return boxesNamed(w, {"txtAnnual", "txtApPercent", "txtOT0", "Text10", "txtOT51"});
         },
         [](QWidget* w) {
             click(w, "cmdADD");
             click(w, "cmdClose");
         },
         closeAndDelete},
        {"MDIForm1",
         [](PayrollContext& ctx, const DesktopServices& desktop) -> QWidget* {
             auto* ledger = new LedgerWindow(ctx, desktop);
             ledger->openLedger();
             return ledger;
         },
         [](QWidget* w) {
             return boxesNamed(w, {"txtNet0", "txtGross0", "txtTips0", "txtNet51", "txtTotNet",
                                   "txtTotGross", "txtTotFed", "txtTotSdi"});
         },
         [](QWidget* w) { w->findChild<QAction*>("mnuClose")->trigger(); },
         [](QWidget* w) {
             static_cast<LedgerWindow*>(w)->discard();
             closeAndDelete(w);
         }},
        {"dlgPrintSet",
         [](PayrollContext& ctx, const DesktopServices& desktop) -> QWidget* {
             return new PrintOffsetDialog(ctx, desktop, [] { return true; });
         },
         [](QWidget* w) {
             return boxesNamed(w, {"cboHorz", "cboVert"});
         },
         [](QWidget* w) { click(w, "cmdApply"); }, closeAndDelete},
        {"frmTaxInfo",
         [](PayrollContext& ctx, const DesktopServices&) -> QWidget* {
             return new EmployeeDialog(
                 ctx,
                 [&ctx] {
                     SaveUserFiles(ctx);
                     return true;
                 },
                 nullptr);
         },
         namedBoxes, [](QWidget* w) { click(w, "cmdOk"); }, closeAndDelete},
    };
}

class BadInputGui : public corvanta::testing::PayrollFixture {
  protected:
    void SetUp() override {
        PayrollFixture::SetUp();
        ctx.durableWrites = false;
        calculateStraight("40");
        ctx.window.txtWeek = "1/4/2008";
        PasteMe(ctx, 0);
        Update(ctx);
        SaveUserFiles(ctx);
        SaveAnnual(ctx);
        SaveVac(ctx);
        stored = filesOnDisk();
    }

    std::vector<std::string> filesOnDisk() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    // Every file is still there and the employee, leave and ledger files read again.
    void expectNothingLost(const std::string& where) {
        for (const std::string& name : stored) {
            EXPECT_TRUE(folder.exists(name)) << name << " gone after " << where;
        }
        PayrollContext fresh = ctx;
        EXPECT_NO_THROW(ReadEmployeeFiles(fresh)) << where;
        EXPECT_NO_THROW(GetVac(fresh)) << where;
        EXPECT_NO_THROW(LoadLedger(fresh)) << where;
    }

    std::vector<std::string> stored;
    DesktopServices desktop{[](QWidget*, const QString&) { return nullptr; },
                            [](QWidget*, const QString&) { return QString(); },
                            [](const QString&) { return false; },
                            [](QWidget*, const QString&) { return QString(); },
                            [](QWidget*, const QString&) { return QString(); }};
};

// Each text is pasted (the key filter cannot stop a paste) and, when short, typed.
TEST_F(BadInputGui, NoHostileTextCrashesAWindowOrLosesAFile) {
    AnswerEveryBox answers;
    int tried = 0;
    for (const StoringWindow& window : storingWindows()) {
        QWidget* probe = window.open(ctx, desktop);
        const int boxCount = static_cast<int>(window.boxes(probe).size());
        window.dispose(probe);
        ASSERT_GT(boxCount, 0) << window.name;
        for (int b = 0; b < boxCount; ++b) {
            for (const QString& text : hostileTexts()) {
                for (const bool typed : {false, true}) {
                    // QTest types ASCII keys only; the rest arrives as a paste.
                    const bool typeable = text.size() <= 100 && text.toLatin1() == text.toUtf8();
                    if (typed && !typeable) continue;
                    QWidget* w = window.open(ctx, desktop);
                    w->show();
                    QLineEdit* box = window.boxes(w)[b];
                    const std::string where = std::string(window.name) + "." +
                                              box->objectName().toStdString() + " <- \"" +
                                              text.left(20).toStdString() + "\"";
                    box->selectAll();
                    EXPECT_NO_THROW({
                        if (typed) {
                            QTest::keyClick(box, Qt::Key_Backspace);
                            QTest::keyClicks(box, text);
                        } else {
                            box->insert(text);
                        }
                    }) << where;
                    // An exception escaping a window command ends the program.
                    EXPECT_NO_THROW(window.store(w)) << where;
                    EXPECT_NO_THROW(window.dispose(w)) << where;
                    expectNothingLost(where);
                    ++tried;
                }
            }
        }
    }
    RecordProperty("inputs", tried);
    std::printf("GUI bad-input matrix: %d inputs, %d message boxes answered\n", tried,
                answers.answered);
}

}  // namespace
}  // namespace corvanta::ui
