// Working by keyboard: the calculate keys, the User Info key from an entry box, the menus'
// Alt letters, F1, and a Tab walk through every window.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QTest>

#include "modal_dialog.h"
#include "support/temp_folder.h"
#include "ui/calculator_window.h"
#include "ui/employee_dialog.h"
#include "ui/help_window.h"
#include "ui_support.h"

namespace corvanta::ui {
namespace {

using corvanta::testing::onNextModalDialog;
using corvanta::testing::ScriptedPrompts;
using corvanta::testing::TempFolder;

class KeyboardTest : public ::testing::Test {
  protected:
    KeyboardTest() : ctx(folder.context()) {
        folder.copyFederalTable();
        form = std::make_unique<CalculatorForm>(ctx, std::make_unique<ScriptedPrompts>());
        form->show();
        activate(form.get());
    }
    static void activate(QWidget* w) {
        QApplication::setActiveWindow(w);
        ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    }
    QLineEdit* box(int i) { return form->findChild<QLineEdit*>(QString("txtAmount%1").arg(i)); }
    QString gross() { return form->findChild<QLabel*>("Label13")->text(); }

    TempFolder folder;
    PayrollContext ctx;
    std::unique_ptr<CalculatorForm> form;
};

TEST_F(KeyboardTest, AltCAndF5BothCalculateFromAnEntryBox) {
    for (const QKeyCombination key :
         {QKeyCombination(Qt::ALT, Qt::Key_C), QKeyCombination(Qt::NoModifier, Qt::Key_F5)}) {
        form->clear();
        ASSERT_TRUE(gross().isEmpty());
        box(0)->setFocus();
        QTest::keyClicks(box(0), "40");
        QTest::keyClick(box(0), key.key(), key.keyboardModifiers());
        // A button's letter presses it as a click would, after a short animation.
        EXPECT_TRUE(QTest::qWaitFor([this] { return !gross().isEmpty(); }, 1000))
            << QKeySequence(key).toString().toStdString();
        EXPECT_EQ(box(0)->text(), "40");
    }
}

TEST_F(KeyboardTest, TheUserInfoKeyOpensTheDialogFromAnEntryBox) {
    box(3)->setFocus();
    bool opened = false;
    onNextModalDialog("frmTaxInfo", [&opened](QDialog* dialog) {
        opened = true;
        dialog->reject();
    });
    QTest::keyClick(box(3), Qt::Key_F2);
    EXPECT_TRUE(opened);
}

TEST_F(KeyboardTest, EveryMenuHasItsAltLetter) {
    QStringList titles;
    for (QAction* menu : form->menuBar()->actions()) titles << menu->text();
    EXPECT_EQ(titles, (QStringList{"&File", "Fo&rms", "&Options", "&Help"}));
}

HelpWindow* shownHelpWindow() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* h = qobject_cast<HelpWindow*>(w); h != nullptr && h->isVisible()) return h;
    }
    return nullptr;
}

TEST_F(KeyboardTest, F1OpensThePageOfTheWindowInUseAndHelpTheContents) {
    box(0)->setFocus();
    QTest::keyClick(box(0), Qt::Key_F1);
    HelpWindow* help = shownHelpWindow();
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->currentPage(), "calculator-window.html");
    help->close();
    // Without the older help file in the folder, Help opens the manual.
    form->findChild<QAction*>("mnuHelpItem")->trigger();
    help = shownHelpWindow();
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->currentPage(), "index.html");
    help->close();
}

struct TopicCase {
    const char* name;
    void (CalculatorForm::*open)();
    const char* page;
};

void PrintTo(const TopicCase& c, std::ostream* os) { *os << c.name; }

class HelpTopicTest : public KeyboardTest, public ::testing::WithParamInterface<TopicCase> {};

// F1 pressed in a window opens the manual's page about that window, not a neighbouring one.
TEST_P(HelpTopicTest, F1InTheWindowOpensItsOwnPage) {
    const TopicCase& c = GetParam();
    (form.get()->*c.open)();
    auto* window = form->findChild<QWidget*>(c.name);
    ASSERT_NE(window, nullptr);
    activate(window);
    QWidget* focus = QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : window;
    QTest::keyClick(focus, Qt::Key_F1);
    HelpWindow* help = shownHelpWindow();
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->currentPage().toStdString(), c.page);
    help->close();
}

INSTANTIATE_TEST_SUITE_P(
    EveryWindow, HelpTopicTest,
    ::testing::Values(
        TopicCase{"DialogState", &CalculatorForm::openStateDialog, "state-tax.html"},
        TopicCase{"DialogCity", &CalculatorForm::openCityDialog, "local-tax.html"},
        TopicCase{"DialogNonCity", &CalculatorForm::openNonCityDialog, "local-tax.html"},
        TopicCase{"DialogHeader", &CalculatorForm::openHeadingDialog, "printing.html"},
        TopicCase{"MDIForm1", &CalculatorForm::openLedger, "ledger.html"},
        TopicCase{"frmChecks", &CalculatorForm::openChecks, "printing.html"},
        TopicCase{"DialogVac", &CalculatorForm::openVacation, "leave-and-overtime.html"},
        TopicCase{"Form2", &CalculatorForm::openOvertimeSheet, "leave-and-overtime.html"},
        TopicCase{"frmRegister", &CalculatorForm::openRegister, "register-window.html"},
        TopicCase{"frmCheckRegister", &CalculatorForm::openCheckRegister, "printing.html"},
        TopicCase{"frmPayRun", &CalculatorForm::openPayRun, "payroll.html"},
        TopicCase{"frmYearEnd", &CalculatorForm::openYearEnd, "payroll.html"},
        TopicCase{"frmEmployees", &CalculatorForm::openEmployeeList, "employee-list.html"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(KeyboardTest, TabGoesThroughTheCalculatorInReadingOrder) {
    box(0)->setFocus(Qt::TabFocusReason);
    QStringList walk{box(0)->objectName()};
    for (int step = 0; step < 12; ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        walk << QApplication::focusWidget()->objectName();
    }
    // Of the two O.T. options only the chosen one takes the keyboard.
    EXPECT_EQ(walk, (QStringList{"txtAmount0", "txtAmount1", "opt1x", "txtAmount2", "txtAmount3",
                                 "txtAmount4", "txtAmount5", "txtAmount6", "txtAmount7", "cmdClear",
                                 "cmdCal", "cmdYear", "cmdOT"}));
}

// The controls a Tab walk must reach: every enabled, visible control that takes the keyboard
// by Tab; of a group of option buttons only the chosen one, as arrows move inside the group.
QSet<QWidget*> tabStops(QWidget* window) {
    QSet<QWidget*> stops;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (w->window() != window || !w->isVisibleTo(window) || !w->isEnabled()) continue;
        if ((w->focusPolicy() & Qt::TabFocus) == 0 || w->focusProxy() != nullptr) continue;
        if (auto* option = qobject_cast<QRadioButton*>(w);
            option != nullptr && option->autoExclusive() && !option->isChecked()) {
            continue;
        }
        stops.insert(w);
    }
    return stops;
}

struct WalkCase {
    const char* name;
    void (CalculatorForm::*open)();
};

void PrintTo(const WalkCase& c, std::ostream* os) { *os << c.name; }

class TabWalkTest : public KeyboardTest, public ::testing::WithParamInterface<WalkCase> {};

// Tabs round the window from its first control and checks that every control was reached.
void expectTabReachesEveryControl(QWidget* window) {
    const std::string name = window->objectName().toStdString();
    QApplication::setActiveWindow(window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window)) << name;
    const QSet<QWidget*> stops = tabStops(window);
    ASSERT_FALSE(stops.isEmpty()) << name;
    QWidget* first = *stops.begin();
    first->setFocus(Qt::TabFocusReason);
    QSet<QWidget*> reached{first};
    // Room for a page's links, which Tab visits on its way through the help window.
    for (int step = 0; step < stops.size() * 2 + 40; ++step) {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr) << name << ": the keyboard left the window";
        QTest::keyClick(focus, Qt::Key_Tab);
        if (QWidget* now = QApplication::focusWidget(); now != nullptr) reached.insert(now);
    }
    for (QWidget* stop : stops) {
        EXPECT_TRUE(reached.contains(stop))
            << name << ": Tab never reaches " << stop->metaObject()->className() << " "
            << stop->objectName().toStdString();
    }
}

TEST_P(TabWalkTest, TabReachesEveryControlAndComesBackRound) {
    const WalkCase& c = GetParam();
    if (c.open != nullptr) (form.get()->*c.open)();
    QWidget* window = form->objectName() == c.name ? form.get() : form->findChild<QWidget*>(c.name);
    ASSERT_NE(window, nullptr);
    expectTabReachesEveryControl(window);
}

TEST_F(KeyboardTest, TabReachesEveryControlOfUserInfoAndOfTheHelpWindow) {
    EmployeeDialog employee(
        ctx, [] { return true; }, form.get());
    employee.show();
    expectTabReachesEveryControl(&employee);
    employee.close();
    HelpWindow* help = showManual(form.get(), "index.html");
    ASSERT_NE(help, nullptr);
    expectTabReachesEveryControl(help);
    help->close();
}

INSTANTIATE_TEST_SUITE_P(
    EveryWindow, TabWalkTest,
    ::testing::Values(WalkCase{"Form1", nullptr},
                      WalkCase{"DialogState", &CalculatorForm::openStateDialog},
                      WalkCase{"DialogCity", &CalculatorForm::openCityDialog},
                      WalkCase{"DialogNonCity", &CalculatorForm::openNonCityDialog},
                      WalkCase{"DialogHeader", &CalculatorForm::openHeadingDialog},
                      WalkCase{"MDIForm1", &CalculatorForm::openLedger},
                      WalkCase{"frmChecks", &CalculatorForm::openChecks},
                      WalkCase{"DialogVac", &CalculatorForm::openVacation},
                      WalkCase{"Form2", &CalculatorForm::openOvertimeSheet},
                      WalkCase{"frmEmployees", &CalculatorForm::openEmployeeList}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace corvanta::ui
