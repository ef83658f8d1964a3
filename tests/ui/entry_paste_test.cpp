// Text that reaches a box without typing, the status lists, the name boxes and the question
// before printing for an employee whose name was never filled in.
#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTest>

#include "support/case_names.h"
#include "support/temp_folder.h"
#include "ui/calculator_window.h"
#include "ui/checks_window.h"
#include "ui/employee_dialog.h"
#include "ui/numeric_key_filter.h"
#include "ui/print_offset_dialog.h"
#include "ui_support.h"

namespace corvanta::ui {
namespace {

using corvanta::testing::MessageBoxAnswerer;
using corvanta::testing::ScriptedPrompts;
using corvanta::testing::TempFolder;

class EntryPasteTest : public ::testing::Test {
  protected:
    EntryPasteTest() : ctx(folder.context()) {
        folder.copyFederalTable();
        form = std::make_unique<CalculatorForm>(ctx, std::make_unique<ScriptedPrompts>());
        form->desktop().choosePrinter = [this](QWidget*,
                                               const QString&) -> std::unique_ptr<QPrinter> {
            ++printerRequests;
            return nullptr;
        };
        form->show();
        // A date of the tables' year: printing asks nothing about the year.
        form->findChild<QLineEdit*>("txtWeek")->setText("1/4/2008");
    }
    QLineEdit* box(int i) { return form->findChild<QLineEdit*>(QString("txtAmount%1").arg(i)); }
    QString label(const char* name) { return form->findChild<QLabel*>(name)->text(); }
    void calculate() { QTest::mouseClick(form->findChild<QPushButton*>("cmdCal"), Qt::LeftButton); }
    static void paste(QLineEdit* into, const QString& text) {
        QGuiApplication::clipboard()->setText(text);
        into->setFocus();
        into->selectAll();
        QTest::keySequence(into, QKeySequence::Paste);
    }

    TempFolder folder;
    PayrollContext ctx;
    std::unique_ptr<CalculatorForm> form;
    int printerRequests = 0;
};

struct PasteCase {
    const char* name;
    const char* pasted;
    const char* shown;
    const char* gross;  // the calculation on what the box shows, at 7.50 an hour
};

void PrintTo(const PasteCase& c, std::ostream* os) { *os << c.name; }

class PastedEntry : public EntryPasteTest, public ::testing::WithParamInterface<PasteCase> {};

// A paste that is not one plain number is refused whole (dropping its other characters made
// "80,5" 805 hours); the box keeps what it held, and the calculation takes what it shows.
TEST_P(PastedEntry, IsTakenWholeOrRefusedAndIsCalculatedAsShown) {
    const PasteCase& c = GetParam();
    box(0)->setText("8");
    MessageBoxAnswerer answerer({QMessageBox::Ok});
    paste(box(0), c.pasted);
    QTest::qWait(30);
    EXPECT_EQ(box(0)->text(), c.shown);
    calculate();
    EXPECT_EQ(label("Label13"), c.gross);
}

INSTANTIATE_TEST_SUITE_P(Clipboard, PastedEntry,
                         ::testing::Values(PasteCase{"dollar_sign", "$80", "8", "$60.00"},
                                           PasteCase{"decimal_comma", "80,5", "8", "$60.00"},
                                           PasteCase{"thousands_comma", "1,480.00", "8", "$60.00"},
                                           PasteCase{"unit_after_hours", "8 hrs", "8", "$60.00"},
                                           PasteCase{"plain_hours", "40", "40", "$300.00"}),
                         testing::CaseName());

TEST_F(EntryPasteTest, InsertedTextWithAForeignCharacterIsRefusedWhole) {
    box(3)->setText("");
    box(3)->insert("ten");
    EXPECT_EQ(box(3)->text(), "");
    box(3)->insert("1.5x");
    EXPECT_EQ(box(3)->text(), "");
    box(3)->insert("1.5");
    EXPECT_EQ(box(3)->text(), "1.5");
    EXPECT_EQ(numericBoxText("a-1,2.b"), "-12.");
}

TEST_F(EntryPasteTest, PastedRateOfTheUserInfoBoxIsRefusedWhole) {
    EmployeeDialog dialog(
        ctx, [] { return true; }, form.get());
    dialog.show();
    MessageBoxAnswerer answerer({QMessageBox::Ok});
    paste(dialog.findChild<QLineEdit*>("txtHourRate"), "$12.50/h");
    QTest::qWait(30);
    EXPECT_EQ(dialog.findChild<QLineEdit*>("txtHourRate")->text(), "7.5");
    ASSERT_EQ(answerer.seen().size(), 1U);
    paste(dialog.findChild<QLineEdit*>("txtHourRate"), " 12.50 ");
    EXPECT_EQ(dialog.findChild<QLineEdit*>("txtHourRate")->text(), "12.50");
}

TEST_F(EntryPasteTest, ARefusedCalculationLeavesNoOldFigures) {
    box(0)->setText("40");
    calculate();
    ASSERT_EQ(label("Label13"), "$300.00");
    box(1)->setText("1-2");
    MessageBoxAnswerer answerer({QMessageBox::Ok});
    calculate();
    ASSERT_EQ(answerer.seen().size(), 1u);
    EXPECT_TRUE(answerer.seen()[0].text.contains("STRAIGHT TIME HOURS 2"));
    EXPECT_EQ(box(0)->text(), "40");
    EXPECT_EQ(box(1)->text(), "1-2");
    for (const char* name : {"Label13", "lbNet", "lbTaxes", "lbDeduct"}) {
        EXPECT_EQ(label(name), "") << name;
    }
}

class UserInfoTest : public EntryPasteTest {
  protected:
    UserInfoTest()
        : dialog(
              ctx, [] { return true; }, form.get()) {
        dialog.show();
        QApplication::setActiveWindow(&dialog);
    }
    EmployeeDialog dialog;
};

TEST_F(UserInfoTest, StatusesAreListsNotText) {
    for (const char* name : {"cboStatus", "cboStatus2"}) {
        auto* status = dialog.findChild<QComboBox*>(name);
        ASSERT_NE(status, nullptr) << name;
        EXPECT_FALSE(status->isEditable()) << name;
        EXPECT_EQ(status->count(), 2);
        EXPECT_EQ(status->itemText(0), "Single");
        EXPECT_EQ(status->itemText(1), "Married");
    }
}

TEST_F(UserInfoTest, EnteringTheNameSelectsItSoTypingReplacesThePlaceholder) {
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    for (const char* name : {"txtName", "txtAddress"}) {
        QLineEdit* text = dialog.findChild<QLineEdit*>(name);
        ASSERT_FALSE(text->text().isEmpty());
        dialog.findChild<QLineEdit*>("txtHourRate")->setFocus();
        text->setFocus(Qt::TabFocusReason);
        QCoreApplication::processEvents();
        QTest::keyClicks(text, "Jane Doe");
        EXPECT_EQ(text->text(), "Jane Doe") << name;
    }
}

struct AskCase {
    const char* name;
    const char* employeeName;
    QMessageBox::StandardButton answer;
    int questions;
    int printerRequests;
};

void PrintTo(const AskCase& c, std::ostream* os) { *os << c.name; }

class PrintForPlaceholder : public EntryPasteTest, public ::testing::WithParamInterface<AskCase> {};

TEST_P(PrintForPlaceholder, AsksBeforeTheStub) {
    const AskCase& c = GetParam();
    ctx.profile.EmployeeName = c.employeeName;
    MessageBoxAnswerer answerer({c.answer});
    form->findChild<QPushButton*>("cmdPrint")->click();
    QTest::qWait(50);
    ASSERT_EQ(static_cast<int>(answerer.seen().size()), c.questions);
    if (c.questions > 0) {
        EXPECT_EQ(answerer.seen()[0].text, "The employee's name is not filled in. Print anyway?");
    }
    EXPECT_EQ(printerRequests, c.printerRequests);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, PrintForPlaceholder,
    ::testing::Values(AskCase{"placeholder_answered_no", "Employee's Name", QMessageBox::No, 1, 0},
                      AskCase{"placeholder_answered_yes", "Employee's Name", QMessageBox::Yes, 1,
                              1},
                      AskCase{"blank_name_answered_no", "", QMessageBox::No, 1, 0},
                      AskCase{"real_name_not_asked", "Jane Doe", QMessageBox::No, 0, 1}),
    testing::CaseName());

TEST_F(EntryPasteTest, CheckForThePlaceholderAsksAndNoPrintsNothing) {
    DesktopServices desktop;
    desktop.choosePrinter = [this](QWidget*, const QString&) -> std::unique_ptr<QPrinter> {
        ++printerRequests;
        return nullptr;
    };
    ChecksWindow checks(ctx, desktop, [] { return true; });
    checks.show();
    checks.findChild<QAction*>("mnuPrintCheck")->trigger();
    auto* offsets = checks.findChild<PrintOffsetDialog*>("dlgPrintSet");
    ASSERT_NE(offsets, nullptr);
    MessageBoxAnswerer answerer({QMessageBox::No});
    offsets->findChild<QPushButton*>("OKButton")->click();
    QTest::qWait(50);
    ASSERT_EQ(answerer.seen().size(), 1u);
    EXPECT_EQ(answerer.seen()[0].text, "The employee's name is not filled in. Print anyway?");
    EXPECT_EQ(printerRequests, 0);
}

}  // namespace
}  // namespace corvanta::ui
