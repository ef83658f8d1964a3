// Every command of every window by keyboard alone: the Alt letters (one command per letter in
// each window), posting and zeroing a ledger row, ticking a state method, Enter saving the tax
// dialogs, the date picker from its box and the check window's print command.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "modal_dialog.h"
#include "support/temp_folder.h"
#include "ui/calculator_window.h"
#include "ui/employee_dialog.h"
#include "ui/state_dialog.h"
#include "ui_support.h"

namespace corvanta::ui {
namespace {

using corvanta::testing::MessageBoxAnswerer;
using corvanta::testing::onNextModalDialog;
using corvanta::testing::ScriptedPrompts;
using corvanta::testing::TempFolder;

class KeyboardOnlyTest : public ::testing::Test {
  protected:
    KeyboardOnlyTest() : ctx(folder.context()) {
        folder.copyFederalTable();
        form = std::make_unique<CalculatorForm>(ctx, std::make_unique<ScriptedPrompts>());
        form->show();
        activate(form.get());
    }
    static void activate(QWidget* w) {
        QApplication::setActiveWindow(w);
        ASSERT_TRUE(QTest::qWaitForWindowActive(w)) << w->objectName().toStdString();
    }
    QWidget* window(const char* name) {
        if (form->objectName() == name) return form.get();
        return form->findChild<QWidget*>(name);
    }
    template <typename T>
    T* find(QWidget* in, const char* name) {
        auto* w = in->findChild<T*>(name);
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    // A key pressed on whatever has the keyboard in `w`'s window.
    static void press(QWidget* w, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus != nullptr && focus->window() == w->window() ? focus : w, key,
                        modifiers);
    }

    TempFolder folder;
    PayrollContext ctx;
    std::unique_ptr<CalculatorForm> form;
};

// The letter a caption's single "&" marks, or 0.
QChar mnemonic(const QString& caption) {
    for (int i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&') continue;
        if (caption[i + 1] != '&') return caption[i + 1].toUpper();
        ++i;
    }
    return {};
}

// Every Alt letter that acts in the window, with the captions carrying it: the menu bar's
// titles and commands, and the buttons, group boxes and labels (with a buddy) in view.
QMap<QChar, QStringList> altLetters(QWidget* window) {
    QMap<QChar, QStringList> letters;
    const auto add = [&letters](const QString& caption) {
        if (const QChar c = mnemonic(caption); !c.isNull()) letters[c] << caption;
    };
    for (auto* bar : window->findChildren<QMenuBar*>()) {
        if (bar->window() != window) continue;
        for (QAction* a : bar->actions()) {
            if (a->isVisible()) add(a->text());
        }
    }
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (w->window() != window || !w->isVisibleTo(window)) continue;
        if (auto* b = qobject_cast<QAbstractButton*>(w)) add(b->text());
        if (auto* g = qobject_cast<QGroupBox*>(w)) add(g->title());
        if (auto* l = qobject_cast<QLabel*>(w); l != nullptr && l->buddy() != nullptr) {
            add(l->text());
        }
    }
    return letters;
}

void expectUniqueAltLetters(QWidget* window) {
    const QMap<QChar, QStringList> letters = altLetters(window);
    for (auto it = letters.begin(); it != letters.end(); ++it) {
        EXPECT_EQ(it.value().size(), 1)
            << window->objectName().toStdString() << ": Alt+" << QString(it.key()).toStdString()
            << " is shared by " << it.value().join(", ").toStdString();
    }
}

struct WindowCase {
    const char* name;
    void (CalculatorForm::*open)();
};

void PrintTo(const WindowCase& c, std::ostream* os) { *os << c.name; }

class AltLetterTest : public KeyboardOnlyTest, public ::testing::WithParamInterface<WindowCase> {};

TEST_P(AltLetterTest, EachAltLetterOfTheWindowBelongsToOneCommand) {
    const WindowCase& c = GetParam();
    if (c.open != nullptr) (form.get()->*c.open)();
    QWidget* w = window(c.name);
    ASSERT_NE(w, nullptr);
    expectUniqueAltLetters(w);
}

INSTANTIATE_TEST_SUITE_P(
    EveryWindow, AltLetterTest,
    ::testing::Values(WindowCase{"Form1", nullptr},
                      WindowCase{"DialogState", &CalculatorForm::openStateDialog},
                      WindowCase{"DialogCity", &CalculatorForm::openCityDialog},
                      WindowCase{"DialogNonCity", &CalculatorForm::openNonCityDialog},
                      WindowCase{"DialogHeader", &CalculatorForm::openHeadingDialog},
                      WindowCase{"MDIForm1", &CalculatorForm::openLedger},
                      WindowCase{"frmChecks", &CalculatorForm::openChecks},
                      WindowCase{"DialogVac", &CalculatorForm::openVacation},
                      WindowCase{"Form2", &CalculatorForm::openOvertimeSheet},
                      WindowCase{"frmRegister", &CalculatorForm::openRegister},
                      WindowCase{"frmCheckRegister", &CalculatorForm::openCheckRegister},
                      WindowCase{"frmPayRun", &CalculatorForm::openPayRun},
                      WindowCase{"frmEmployees", &CalculatorForm::openEmployeeList}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(KeyboardOnlyTest, UserInfoHasUniqueAltLetters) {
    EmployeeDialog employee(
        ctx, [] { return true; }, form.get());
    employee.show();
    expectUniqueAltLetters(&employee);
}

// Alt and a menu's letter opens that menu: Options too, which shared its letter with Forms.
TEST_F(KeyboardOnlyTest, EachMenuOfTheCalculatorOpensByItsAltLetter) {
    for (QAction* title : form->menuBar()->actions()) {
        const QChar letter = mnemonic(title->text());
        ASSERT_FALSE(letter.isNull()) << title->text().toStdString();
        press(form.get(), static_cast<Qt::Key>(letter.unicode()), Qt::AltModifier);
        QMenu* menu = title->menu();
        EXPECT_TRUE(QTest::qWaitFor([menu] { return menu->isVisible(); }, 1000))
            << title->text().toStdString();
        // Escape closes the menu, and again leaves the menu bar.
        QTest::keyClick(menu, Qt::Key_Escape);
        QTest::keyClick(form->menuBar(), Qt::Key_Escape);
        EXPECT_TRUE(QTest::qWaitFor([menu] { return !menu->isVisible(); }, 1000));
        activate(form.get());
    }
}

TEST_F(KeyboardOnlyTest, TheLedgerClosesByTheAltLettersOfItsMenuAndOfItsButton) {
    form->openLedger();
    QWidget* ledger = window("MDIForm1");
    for (const char* name : {"mnuClose", "cmdBack"}) {
        ASSERT_TRUE(ledger->isVisible());
        activate(ledger);
        auto* action = ledger->findChild<QAction*>(name);
        auto* button = ledger->findChild<QPushButton*>(name);
        const QChar letter = mnemonic(action != nullptr ? action->text() : button->text());
        ASSERT_FALSE(letter.isNull()) << name;
        // "No" to saving: the ledger closes and hands back to the calculator.
        const MessageBoxAnswerer answers({QMessageBox::No});
        press(ledger, static_cast<Qt::Key>(letter.unicode()), Qt::AltModifier);
        EXPECT_TRUE(QTest::qWaitFor([ledger] { return !ledger->isVisible(); }, 1000)) << name;
        ASSERT_EQ(answers.seen().size(), 1U) << name;
        EXPECT_EQ(answers.seen()[0].title, "Save?");
        form->openLedger();
    }
}

TEST_F(KeyboardOnlyTest, EnterOnARowNumberPostsTheRowAndDeleteZeroesIt) {
    ctx.window.txtWeek = "1/4/2008";
    form->showContext();
    form->openLedger();
    QWidget* ledger = window("MDIForm1");
    activate(ledger);
    auto* number = find<QLabel>(ledger, "Label21");
    auto* date = find<QLabel>(ledger, "txtDate1");
    ASSERT_TRUE(number->focusPolicy() & Qt::TabFocus) << "the row number takes no keyboard";
    number->setFocus(Qt::TabFocusReason);
    ASSERT_EQ(QApplication::focusWidget(), number);
    QTest::keyClick(number, Qt::Key_Return);
    EXPECT_EQ(date->text(), "1/4/2008");
    EXPECT_EQ(ctx.ledger.grid[1].txtDate, "1/4/2008");
    QTest::keyClick(number, Qt::Key_Delete);
    EXPECT_EQ(date->text(), "0");
    EXPECT_EQ(ctx.ledger.grid[1].grossText, "0");
    // Row 0 was never touched.
    EXPECT_NE(find<QLabel>(ledger, "txtDate0")->text(), "1/4/2008");
}

// Each state method is ticked by its Alt letter, as a click would tick it.
TEST_F(KeyboardOnlyTest, EveryStateMethodIsTickedByItsAltLetter) {
    form->openStateDialog();
    QWidget* dialog = window("DialogState");
    activate(dialog);
    for (const char* name : {"ckAriz", "ckLouis", "ckIowa", "ckMissouri", "ckMass", "ckOregon",
                             "ckUtah", "ckAlabama", "ckKentucky", "ckWiscon", "ckNC"}) {
        auto* box = find<QCheckBox>(dialog, name);
        const QChar letter = mnemonic(box->text());
        ASSERT_FALSE(letter.isNull()) << name << " has no Alt letter";
        // Missouri's setter may tell about its tables; Louisiana's asks nothing.
        const MessageBoxAnswerer answers({QMessageBox::Ok, QMessageBox::Ok});
        find<QLineEdit>(dialog, "txtStateAdj")->setFocus();
        press(dialog, static_cast<Qt::Key>(letter.unicode()), Qt::AltModifier);
        EXPECT_TRUE(QTest::qWaitFor([box] { return box->isChecked(); }, 1000)) << name;
    }
}

struct SaveCase {
    const char* name;
    void (CalculatorForm::*open)();
    const char* cell;
};

void PrintTo(const SaveCase& c, std::ostream* os) { *os << c.name; }

class EnterSavesTest : public KeyboardOnlyTest, public ::testing::WithParamInterface<SaveCase> {};

// Enter in a box of the dialog saves it, as its SAVE button does.
TEST_P(EnterSavesTest, EnterInABoxSavesAndClosesTheDialog) {
    const SaveCase& c = GetParam();
    (form.get()->*c.open)();
    QWidget* dialog = window(c.name);
    ASSERT_NE(dialog, nullptr);
    activate(dialog);
    auto* cell = find<QLineEdit>(dialog, c.cell);
    cell->setFocus();
    cell->selectAll();
    QTest::keyClicks(cell, "3");
    QSignalSpy committed(dialog, SIGNAL(committed()));
    QTest::keyClick(cell, Qt::Key_Return);
    EXPECT_EQ(committed.count(), 1);
    EXPECT_TRUE(QTest::qWaitFor([this, &c] { return window(c.name) == nullptr; }, 1000))
        << "still open";
}

INSTANTIATE_TEST_SUITE_P(
    TaxDialogs, EnterSavesTest,
    ::testing::Values(SaveCase{"DialogState", &CalculatorForm::openStateDialog, "txtStateAdj"},
                      SaveCase{"DialogCity", &CalculatorForm::openCityDialog, "txtCityMinBS0"},
                      SaveCase{"DialogNonCity", &CalculatorForm::openNonCityDialog, "txtNonPer"}),
    [](const auto& info) { return std::string(info.param.name); });

// A slip of Tab from CLEAR ALL must not land on SAVE, nor the other way round.
TEST_F(KeyboardOnlyTest, ClearAllAndSaveAreNotNeighboursInTheTabOrder) {
    form->openStateDialog();
    form->openCityDialog();
    for (const auto& [name, clearAll] :
         {std::pair{"DialogState", "cmdClearAll"}, std::pair{"DialogCity", "cmdClearMe"}}) {
        QWidget* dialog = window(name);
        activate(dialog);
        auto* clear = find<QWidget>(dialog, clearAll);
        auto* save = find<QWidget>(dialog, "OKButton");
        clear->setFocus(Qt::TabFocusReason);
        QTest::keyClick(clear, Qt::Key_Tab);
        EXPECT_NE(QApplication::focusWidget(), save) << name;
        save->setFocus(Qt::TabFocusReason);
        QTest::keyClick(save, Qt::Key_Backtab);
        EXPECT_NE(QApplication::focusWidget(), clear) << name;
    }
}

TEST_F(KeyboardOnlyTest, AltPInTheMemoOpensThePrintDialogAndTypesNothing) {
    form->openChecks();
    QWidget* checks = window("frmChecks");
    activate(checks);
    auto* memo = find<QLineEdit>(checks, "txtMemo");
    memo->setFocus();
    QTest::keyClicks(memo, "Rent");
    QTest::keyClick(memo, Qt::Key_P, Qt::AltModifier);
    EXPECT_EQ(memo->text(), "Rent");
    EXPECT_TRUE(
        QTest::qWaitFor([] { return corvanta::testing::visibleTopLevel("dlgPrintSet"); }, 1000));
}

struct PickerKey {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
};

void PrintTo(const PickerKey& c, std::ostream* os) { *os << c.name; }

class PickerKeyTest : public KeyboardOnlyTest, public ::testing::WithParamInterface<PickerKey> {};

TEST_P(PickerKeyTest, TheKeyOpensThePayDatePickerFromItsBox) {
    auto* week = find<QLineEdit>(form.get(), "txtWeek");
    week->setFocus();
    bool opened = false;
    onNextModalDialog("frmDateMain", [&opened](QDialog* dialog) {
        opened = true;
        dialog->reject();
    });
    QTest::keyClick(week, GetParam().key, GetParam().modifiers);
    EXPECT_TRUE(opened);
}

INSTANTIATE_TEST_SUITE_P(Keys, PickerKeyTest,
                         ::testing::Values(PickerKey{"F4", Qt::Key_F4, Qt::NoModifier},
                                           PickerKey{"AltDown", Qt::Key_Down, Qt::AltModifier}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace corvanta::ui
