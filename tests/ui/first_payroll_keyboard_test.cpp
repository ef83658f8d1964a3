// A bookkeeper's first payroll without the mouse: the company (Iowa, no local tax), New, User
// Info, the state (Iowa, from the company), no city tax, the hours, Calculate, posting into the
// ledger and the stub to a PDF file, every step by the keys the manual names.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTest>
#include <filesystem>

#include "modal_dialog.h"
#include "support/pdf_text.h"
#include "support/temp_folder.h"
#include "ui/calculator_window.h"
#include "ui_support.h"

namespace corvanta::ui {
namespace {

using corvanta::testing::MessageBoxAnswerer;
using corvanta::testing::onNextModalDialog;
using corvanta::testing::ScriptedPrompts;
using corvanta::testing::TempFolder;

// The window that has the keyboard, waited for.
QWidget* activeWindowNamed(const char* name) {
    QWidget* found = nullptr;
    const bool active = QTest::qWaitFor(
        [&] {
            QWidget* w = QApplication::activeWindow();
            if (w != nullptr && w->objectName() == name) found = w;
            return found != nullptr;
        },
        2000);
    return active ? found : nullptr;
}

// A closed dialog hands the keyboard back to the calculator, as the window system does.
void backTo(QWidget& form) {
    QApplication::setActiveWindow(&form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
}

void press(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    QWidget* focus = QApplication::focusWidget();
    QWidget* target = focus != nullptr ? focus : QApplication::activeWindow();
    ASSERT_NE(target, nullptr) << "nothing has the keyboard";
    QTest::keyClick(target, key, modifiers);
}

// Alt and the caption's letter, then the text typed over what the box held.
void typeAt(QWidget* dialog, Qt::Key altLetter, const QString& text) {
    QTest::keyClick(dialog->focusWidget(), altLetter, Qt::AltModifier);
    auto* box = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    if (box == nullptr) {
        ADD_FAILURE() << "Alt+" << QKeySequence(altLetter).toString().toStdString()
                      << " reached no entry box";
        return;
    }
    box->selectAll();
    QTest::keyClicks(box, text);
}

// Alt and the caption's letter, then the first letters of the choice, as a combo box takes
// them (no blank: a blank opens the list).
void chooseAt(QWidget* dialog, Qt::Key altLetter, const QString& typed, const QString& choice) {
    QTest::keyClick(dialog->focusWidget(), altLetter, Qt::AltModifier);
    auto* box = qobject_cast<QComboBox*>(QApplication::focusWidget());
    if (box == nullptr) {
        ADD_FAILURE() << "Alt+" << QKeySequence(altLetter).toString().toStdString()
                      << " reached no list";
        return;
    }
    QTest::keyClicks(box, typed);
    EXPECT_EQ(box->currentText(), choice);
}

// Forms (Alt+R), Company (C): the employer, Iowa as the home state, no local tax; Alt+S saves.
void enterCompanyByKeyboard(QWidget& form) {
    bool saved = false;
    onNextModalDialog("DialogCompany", [&saved](QDialog* dialog) {
        QApplication::setActiveWindow(dialog);
        if (!QTest::qWaitForWindowActive(dialog)) ADD_FAILURE() << "Company is not active";
        typeAt(dialog, Qt::Key_N, "Prairie Feed & Seed");
        typeAt(dialog, Qt::Key_T, "12 Grand Avenue");
        typeAt(dialog, Qt::Key_I, "Des Moines");
        typeAt(dialog, Qt::Key_A, "IA");
        typeAt(dialog, Qt::Key_Z, "50309");
        typeAt(dialog, Qt::Key_E, "42-1234567");
        chooseAt(dialog, Qt::Key_H, "Iowa", "Iowa");
        chooseAt(dialog, Qt::Key_L, "No", "No local tax");
        QTest::keyClick(dialog->focusWidget(), Qt::Key_S, Qt::AltModifier);
        if (!QTest::qWaitFor([dialog] { return !dialog->isVisible(); }, 1000)) {
            QWidget* modal = QApplication::activeModalWidget();
            ADD_FAILURE() << "Alt+S did not save the company; on top: "
                          << (modal ? modal->objectName().toStdString() + " " +
                                          modal->windowTitle().toStdString()
                                    : std::string("nothing"));
            dialog->reject();
            return;
        }
        saved = dialog->result() == QDialog::Accepted;
    });
    press(Qt::Key_R, Qt::AltModifier);
    auto* forms = form.findChild<QMenu*>("mnuForms");
    ASSERT_TRUE(QTest::qWaitFor([forms] { return forms->isVisible(); }, 1000));
    QTest::keyClick(forms, Qt::Key_C);
    ASSERT_TRUE(QTest::qWaitFor([&saved] { return saved; }, 3000)) << "the company was not saved";
    backTo(form);
}

TEST(FirstPayrollByKeyboard, CompanyNewUserInfoIowaNoCityHoursCalculatePostAndStub) {
    TempFolder folder;
    folder.copyFederalTable();
    PayrollContext ctx = folder.context();
    ctx.durableWrites = false;
    auto scripted = std::make_unique<ScriptedPrompts>();
    scripted->texts = {std::string("Jane Doe")};
    CalculatorForm form(ctx, std::move(scripted));
    const std::filesystem::path pdf = folder.path() / "stub.pdf";
    form.desktop().choosePrinter = [&pdf](QWidget*, const QString&) {
        return corvanta::testing::pdfPrinter(pdf);
    };
    form.show();
    QApplication::setActiveWindow(&form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));

    ASSERT_NO_FATAL_FAILURE(enterCompanyByKeyboard(form));
    ASSERT_TRUE(std::filesystem::exists(folder.path() / "Company.sav"));

    // New (Ctrl+N) asks for the name, and starts from the company's Iowa and no local tax.
    press(Qt::Key_N, Qt::ControlModifier);
    ASSERT_EQ(ctx.UserFileBase, "Jane Doe");

    // User Info (F2): the name and the hourly rate, then Alt+S saves.
    bool userInfo = false;
    onNextModalDialog("frmTaxInfo", [&userInfo](QDialog* dialog) {
        userInfo = true;
        QApplication::setActiveWindow(dialog);
        if (!QTest::qWaitForWindowActive(dialog)) ADD_FAILURE() << "User Info is not active";
        auto* name = dialog->findChild<QLineEdit*>("txtName");
        name->setFocus();
        name->selectAll();
        QTest::keyClicks(name, "Jane Doe");
        auto* rate = dialog->findChild<QLineEdit*>("txtHourRate");
        rate->setFocus();
        rate->selectAll();
        QTest::keyClicks(rate, "20");
        QTest::keyClick(rate, Qt::Key_S, Qt::AltModifier);
        // A dialog the keys did not close would hold the test for ever.
        if (!QTest::qWaitFor([dialog] { return !dialog->isVisible(); }, 1000)) {
            ADD_FAILURE() << "Alt+S did not save User Info";
            dialog->reject();
        }
    });
    press(Qt::Key_F2);
    ASSERT_TRUE(userInfo);
    backTo(form);
    EXPECT_FLOAT_EQ(ctx.profile.HourlyRate, 20.0F);

    // State Tax (Ctrl+T): Iowa is ticked from the company; Enter saves.
    press(Qt::Key_T, Qt::ControlModifier);
    // The dialog deletes itself on closing.
    const QPointer<QWidget> state = activeWindowNamed("DialogState");
    ASSERT_NE(state, nullptr);
    EXPECT_TRUE(state->findChild<QCheckBox*>("ckIowa")->isChecked());
    {
        const MessageBoxAnswerer answers({QMessageBox::Ok, QMessageBox::Ok});
        press(Qt::Key_Return);
    }
    ASSERT_TRUE(QTest::qWaitFor([&state] { return state.isNull() || !state->isVisible(); }, 1000));
    backTo(form);

    // City Tax (Ctrl+I): NO LOCAL TAX is ticked from the company; Enter saves.
    press(Qt::Key_I, Qt::ControlModifier);
    const QPointer<QWidget> city = activeWindowNamed("DialogCity");
    ASSERT_NE(city, nullptr);
    EXPECT_TRUE(city->findChild<QCheckBox*>("ckNoLocalTax")->isChecked());
    press(Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitFor([&city] { return city.isNull() || !city->isVisible(); }, 1000));
    backTo(form);

    // A pay date of the tables' year: posting one outside it would ask first.
    auto* week = form.findChild<QLineEdit*>("txtWeek");
    week->setFocus();
    week->selectAll();
    QTest::keyClicks(week, "1/4/2008");

    // Forty hours, Calculate (F5).
    auto* hours = form.findChild<QLineEdit*>("txtAmount0");
    hours->setFocus();
    QTest::keyClicks(hours, "40");
    press(Qt::Key_F5);
    EXPECT_FLOAT_EQ(ctx.result.GrossPay, 800.0F);
    EXPECT_GT(ctx.result.StateWithholding, 0.0F) << "Iowa withholds";
    EXPECT_FLOAT_EQ(ctx.result.LocalTax, 0.0F);

    // Forms (Alt+R), Year to Date (Y); Tab to the first row number, Enter posts; Alt+C closes
    // and Yes saves the ledger.
    press(Qt::Key_R, Qt::AltModifier);
    auto* forms = form.findChild<QMenu*>("mnuForms");
    ASSERT_TRUE(QTest::qWaitFor([forms] { return forms->isVisible(); }, 1000));
    QTest::keyClick(forms, Qt::Key_Y);
    QWidget* ledger = activeWindowNamed("MDIForm1");
    ASSERT_NE(ledger, nullptr);
    auto* firstRow = ledger->findChild<QLabel*>("Label20");
    for (int step = 0; step < 10 && QApplication::focusWidget() != firstRow; ++step) {
        press(Qt::Key_Tab);
    }
    ASSERT_EQ(QApplication::focusWidget(), firstRow);
    press(Qt::Key_Return);
    EXPECT_EQ(ctx.ledger.grid[0].txtDate, ctx.window.txtWeek);
    {
        const MessageBoxAnswerer answers({QMessageBox::Yes});
        press(Qt::Key_C, Qt::AltModifier);
        EXPECT_TRUE(QTest::qWaitFor([ledger] { return !ledger->isVisible(); }, 1000));
    }
    backTo(form);
    EXPECT_GT(ctx.ledger.totals.YtdGross.toDouble(), 0.0);

    // The stub (Ctrl+P) to the PDF file.
    {
        // A question here (the name not filled in) would be a fault: No, and the test fails.
        const MessageBoxAnswerer unexpected({QMessageBox::No});
        press(Qt::Key_P, Qt::ControlModifier);
        EXPECT_TRUE(unexpected.seen().empty()) << unexpected.seen()[0].text.toStdString();
    }
    ASSERT_TRUE(std::filesystem::exists(pdf));
    if (corvanta::testing::havePdfToText()) {
        const std::string stub = corvanta::testing::pdfText(pdf);
        EXPECT_NE(stub.find("800.00"), std::string::npos);
        EXPECT_NE(stub.find("Prairie Feed & Seed"), std::string::npos) << "the employer heads it";
    }
}

}  // namespace
}  // namespace corvanta::ui
