// A bookkeeper's first day: the company dialog, where a new employee's taxes come from, the
// tax year beside the date box, and entries that mean what they show.
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

#include "modal_dialog.h"
#include "session/company/company_file.h"
#include "support/case_names.h"
#include "support/temp_folder.h"
#include "ui/calculator_window.h"
#include "ui/checks_window.h"
#include "ui/company_dialog.h"
#include "ui/employee_dialog.h"
#include "ui/print_offset_dialog.h"
#include "ui/state_dialog.h"
#include "ui_support.h"

namespace corvanta::ui {
namespace {

using corvanta::testing::MessageBoxAnswerer;
using corvanta::testing::ScriptedPrompts;
using corvanta::testing::TempFolder;

class FirstDayTest : public ::testing::Test {
  protected:
    FirstDayTest() : ctx(folder.context()) {
        folder.copyFederalTable();
        auto scripted = std::make_unique<ScriptedPrompts>();
        prompts = scripted.get();
        form = std::make_unique<CalculatorForm>(ctx, std::move(scripted));
        form->desktop().choosePrinter = [this](QWidget*,
                                               const QString&) -> std::unique_ptr<QPrinter> {
            ++printerRequests;
            return nullptr;
        };
        form->show();
    }
    template <typename T = QLineEdit>
    T* in(QWidget* owner, const char* name) {
        T* found = owner->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    static void type(QLineEdit* box, const char* keys) {
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, keys);
    }
    static void paste(QLineEdit* into, const QString& text) {
        QGuiApplication::clipboard()->setText(text);
        into->setFocus();
        into->selectAll();
        QTest::keySequence(into, QKeySequence::Paste);
    }
    void fillDesMoines(CompanyDialog& dialog, const char* zip) {
        type(in(&dialog, "txtCompanyName"), "Prairie Feed");
        type(in(&dialog, "txtStreet"), "400 Locust St");
        type(in(&dialog, "txtCity"), "Des Moines");
        type(in(&dialog, "txtStateCode"), "ia");
        type(in(&dialog, "txtZip"), zip);
        type(in(&dialog, "txtEin"), "421234567");
        in<QComboBox>(&dialog, "cboHomeState")->setCurrentText("Iowa");
        in<QComboBox>(&dialog, "cboLocalTax")->setCurrentText("No local tax");
    }

    TempFolder folder;
    PayrollContext ctx;
    ScriptedPrompts* prompts = nullptr;
    std::unique_ptr<CalculatorForm> form;
    int printerRequests = 0;
};

TEST_F(FirstDayTest, TheFormsMenuOpensTheCompany) {
    auto* action = form->findChild<QAction*>("mnuCompany");
    ASSERT_NE(action, nullptr);
    EXPECT_EQ(action->text(), "&Company...");
    bool opened = false;
    corvanta::testing::onNextModalDialog("DialogCompany", [&](QDialog* dialog) {
        opened = true;
        QTest::mouseClick(dialog->findChild<QPushButton*>("CancelButton"), Qt::LeftButton);
    });
    action->trigger();
    EXPECT_TRUE(opened);
    EXPECT_FALSE(folder.exists("Company.sav"));  // skipped: nothing written
}

TEST_F(FirstDayTest, TheCompanyTypedAndSavedIsTheHeading) {
    CompanyDialog dialog(ctx, form.get());
    dialog.show();
    fillDesMoines(dialog, "50309");
    QTest::mouseClick(in<QPushButton>(&dialog, "OKButton"), Qt::LeftButton);
    const auto company = readCompany(folder.path());
    ASSERT_TRUE(company);
    EXPECT_EQ(company->stateCode, "IA");
    EXPECT_EQ(company->homeStateMethod, StateMethodId::Iowa);
    EXPECT_EQ(ctx.heading.HeadingZip, "Des Moines, IA 50309");
    EXPECT_EQ(ctx.heading.HeadingId, "42-1234567");
}

TEST_F(FirstDayTest, TheCompanyDialogFitsASmallScreen) {
    CompanyDialog dialog(ctx, form.get());
    dialog.show();
    const QSize least = dialog.minimumSizeHint().expandedTo(dialog.minimumSize());
    EXPECT_LE(least.width(), 1024);
    EXPECT_LE(least.height(), 768);
}

TEST_F(FirstDayTest, ABadZipIsNamedTakesTheFocusAndNothingIsWritten) {
    CompanyDialog dialog(ctx, form.get());
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    fillDesMoines(dialog, "5030");
    MessageBoxAnswerer answerer({QMessageBox::Ok});
    QTest::mouseClick(in<QPushButton>(&dialog, "OKButton"), Qt::LeftButton);
    ASSERT_EQ(answerer.seen().size(), 1U);
    EXPECT_TRUE(answerer.seen()[0].text.startsWith("ZIP code"))
        << answerer.seen()[0].text.toStdString();
    EXPECT_EQ(dialog.focusWidget(), in(&dialog, "txtZip"));
    EXPECT_FALSE(folder.exists("Company.sav"));
    EXPECT_TRUE(dialog.isVisible());
}

TEST_F(FirstDayTest, TheNextCheckNumberFollowsTheRegisterAndNeverGoesBackToAPrintedOne) {
    folder.write("Checks.sav",
                 "1006\r\n1005,\"1/9/2008\",\"ann\",\"Ann Lee\",512.3,\"1/5/2008\",\"issued\"\r\n");
    CompanyDialog dialog(ctx, form.get());
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    EXPECT_EQ(in(&dialog, "txtNextCheck")->text(), "1006");
    fillDesMoines(dialog, "50309");
    type(in(&dialog, "txtNextCheck"), "1003");
    MessageBoxAnswerer answerer({QMessageBox::Ok});
    QTest::mouseClick(in<QPushButton>(&dialog, "OKButton"), Qt::LeftButton);
    ASSERT_EQ(answerer.seen().size(), 1U);
    EXPECT_TRUE(answerer.seen()[0].text.contains("1006 or more"))
        << answerer.seen()[0].text.toStdString();
    EXPECT_EQ(dialog.focusWidget(), in(&dialog, "txtNextCheck"));
    EXPECT_FALSE(folder.exists("Company.sav"));
    type(in(&dialog, "txtNextCheck"), "2000");
    QTest::mouseClick(in<QPushButton>(&dialog, "OKButton"), Qt::LeftButton);
    const auto company = readCompany(folder.path());
    ASSERT_TRUE(company);
    EXPECT_EQ(company->nextCheckNumber, 2000);
}

TEST_F(FirstDayTest, TheFirstStartInAnEmptyFolderAsksAndMayBeSkipped) {
    bool asked = false;
    corvanta::testing::onNextModalDialog("DialogCompany", [&](QDialog* dialog) {
        asked = true;
        QTest::mouseClick(dialog->findChild<QPushButton*>("CancelButton"), Qt::LeftButton);
    });
    askForCompanyIfMissing(ctx, form.get());
    EXPECT_TRUE(asked);
    // A folder already in use is not asked at every start.
    folder.write("Doe.use", "");
    asked = false;
    askForCompanyIfMissing(ctx, form.get());
    EXPECT_FALSE(asked);
}

TEST_F(FirstDayTest, ANewEmployeesStateDialogSaysWhereHerValuesCameFrom) {
    Company company;
    company.name = "Prairie Feed";
    company.street = "400 Locust St";
    company.city = "Des Moines";
    company.stateCode = "IA";
    company.zip = "50309";
    company.ein = "42-1234567";
    company.homeStateMethod = StateMethodId::Iowa;
    saveCompany(ctx, company);
    prompts->texts = {std::string("Doe")};
    form->newEmployee();
    StateDialog dialog(ctx, form.get());
    auto* started = dialog.findChild<QLabel*>("lbStartedFrom");
    ASSERT_NE(started, nullptr);
    EXPECT_TRUE(started->text().contains("company's home state")) << started->text().toStdString();
    EXPECT_TRUE(started->text().contains("Iowa"));
    EXPECT_EQ(ctx.state.UseIowa, 1);
}

TEST_F(FirstDayTest, TheDateBoxSaysWhenTheDateIsNotInTheTablesYear) {
    auto* week = in(form.get(), "txtWeek");
    auto* notice = in<QLabel>(form.get(), "lbYearNotice");
    type(week, "12/9/2026");
    EXPECT_TRUE(notice->text().contains("not in 2008")) << notice->text().toStdString();
    type(week, "1/4/2008");
    EXPECT_EQ(notice->text(), "");
    type(week, "13/45/2008");
    EXPECT_TRUE(notice->text().contains("not a date"));
}

struct YearAnswer {
    const char* week;
    QMessageBox::StandardButton answer;
    int questions;
    int printerRequests;
};

void PrintTo(const YearAnswer& c, std::ostream* os) {
    *os << c.week << (c.answer == QMessageBox::Yes ? " Yes" : " No");
}

class PrintOutsideTheYear : public FirstDayTest,
                            public ::testing::WithParamInterface<YearAnswer> {};

TEST_P(PrintOutsideTheYear, AsksFirst) {
    const YearAnswer& c = GetParam();
    ctx.profile.EmployeeName = "Jane Doe";
    type(in(form.get(), "txtWeek"), c.week);
    MessageBoxAnswerer answerer({c.answer});
    QTest::mouseClick(in<QPushButton>(form.get(), "cmdPrint"), Qt::LeftButton);
    QTest::qWait(50);
    ASSERT_EQ(static_cast<int>(answerer.seen().size()), c.questions);
    if (c.questions > 0) {
        EXPECT_EQ(answerer.seen()[0].title, "Tax Year");
        EXPECT_TRUE(answerer.seen()[0].text.contains(c.week));
    }
    EXPECT_EQ(printerRequests, c.printerRequests);
}

INSTANTIATE_TEST_SUITE_P(Answers, PrintOutsideTheYear,
                         ::testing::Values(YearAnswer{"12/9/2026", QMessageBox::No, 1, 0},
                                           YearAnswer{"12/9/2026", QMessageBox::Yes, 1, 1},
                                           YearAnswer{"1/4/2008", QMessageBox::No, 0, 1}),
                         [](const auto& info) {
                             return corvanta::testing::testNameOf(
                                 std::string(info.param.week) +
                                 (info.param.answer == QMessageBox::Yes ? " Yes" : " No"));
                         });

TEST_F(FirstDayTest, AnOffsetThatPutsTheCheckOffItsSheetIsRefusedWithTheLargestThatFits) {
    ctx.profile.EmployeeName = "Jane Doe";
    type(in(form.get(), "txtWeek"), "1/4/2008");
    type(in(form.get(), "txtAmount0"), "40");
    QTest::mouseClick(in<QPushButton>(form.get(), "cmdCal"), Qt::LeftButton);
    DesktopServices desktop;
    ChecksWindow checks(ctx, desktop, [] { return true; });
    checks.show();
    checks.findChild<QAction*>("mnuPrintCheck")->trigger();
    auto* offsets = checks.findChild<PrintOffsetDialog*>("dlgPrintSet");
    ASSERT_NE(offsets, nullptr);
    in<QComboBox>(offsets, "cboHorz")->setEditText("+5");
    MessageBoxAnswerer answerer({QMessageBox::Ok});
    QTest::mouseClick(in<QPushButton>(offsets, "cmdApply"), Qt::LeftButton);
    QTest::qWait(50);
    ASSERT_EQ(answerer.seen().size(), 1U);
    EXPECT_TRUE(answerer.seen()[0].text.contains("The largest horizontal offset that fits is +"))
        << answerer.seen()[0].text.toStdString();
    EXPECT_EQ(ctx.CheckOffsetHorz, 0);
    in<QComboBox>(offsets, "cboHorz")->setEditText("+1");
    QTest::mouseClick(in<QPushButton>(offsets, "cmdApply"), Qt::LeftButton);
    EXPECT_EQ(ctx.CheckOffsetHorz, 1);
}

class EntriesTest : public FirstDayTest {
  protected:
    EntriesTest()
        : dialog(
              ctx, [] { return true; }, form.get()) {
        dialog.show();
        QApplication::setActiveWindow(&dialog);
    }
    void save() { QTest::mouseClick(in<QPushButton>(&dialog, "cmdOk"), Qt::LeftButton); }
    EmployeeDialog dialog;
};

TEST_F(EntriesTest, ThePensionBoxSaysPercent) {
    auto* percent = in<QLabel>(&dialog, "lbPensionPercent");
    EXPECT_EQ(percent->text(), "%");
    EXPECT_EQ(percent->buddy(), in(&dialog, "txtPension"));
}

TEST_F(EntriesTest, ExemptionCountsTakeOneDigitWhenTyped) {
    for (const char* name : {"cboDepend", "cboDepend2"}) {
        QLineEdit* edit = in<QComboBox>(&dialog, name)->lineEdit();
        ASSERT_NE(edit, nullptr) << name;
        type(edit, "1.5");
        EXPECT_EQ(edit->text(), "1") << name;
        type(edit, "12");
        EXPECT_EQ(edit->text(), "1") << name;
    }
}

struct ExemptionCase {
    const char* box;
    const char* text;
};

void PrintTo(const ExemptionCase& c, std::ostream* os) { *os << c.box << " " << c.text; }

class SavedExemption : public EntriesTest, public ::testing::WithParamInterface<ExemptionCase> {};

TEST_P(SavedExemption, OutsideZeroToNineIsRefusedAndNothingChanges) {
    // Text that reached the box other than by typing (a damaged file read into it).
    in<QComboBox>(&dialog, GetParam().box)->setEditText(GetParam().text);
    MessageBoxAnswerer answerer({QMessageBox::Ok});
    save();
    ASSERT_EQ(answerer.seen().size(), 1U);
    EXPECT_TRUE(answerer.seen()[0].text.contains("whole number from 0 to 9"))
        << answerer.seen()[0].text.toStdString();
    EXPECT_EQ(ctx.profile.FedExemptions, "0");
    EXPECT_EQ(ctx.profile.StateExemptions, 0);
    EXPECT_FALSE(folder.exists(".use"));
}

INSTANTIATE_TEST_SUITE_P(
    Counts, SavedExemption,
    ::testing::Values(ExemptionCase{"cboDepend", "1.5"}, ExemptionCase{"cboDepend", "12"},
                      ExemptionCase{"cboDepend", "-1"}, ExemptionCase{"cboDepend2", "1.5"},
                      ExemptionCase{"cboDepend2", "10"}),
    [](const auto& info) {
        return corvanta::testing::testNameOf(std::string(info.param.box) + " " + info.param.text);
    });

TEST_F(EntriesTest, AWholeExemptionCountIsSavedAsTyped) {
    type(in<QComboBox>(&dialog, "cboDepend")->lineEdit(), "3");
    save();
    EXPECT_EQ(ctx.profile.FedExemptions, "3");
}

struct PasteCase {
    const char* pasted;
    bool taken;
    const char* shown;
};

void PrintTo(const PasteCase& c, std::ostream* os) { *os << '"' << c.pasted << '"'; }

class PastedNumber : public FirstDayTest, public ::testing::WithParamInterface<PasteCase> {};

TEST_P(PastedNumber, IsTakenWholeOrRefusedWholeWithAMessage) {
    const PasteCase& c = GetParam();
    QLineEdit* hours = in(form.get(), "txtAmount0");
    hours->setText("8");
    MessageBoxAnswerer answerer({QMessageBox::Ok});
    paste(hours, c.pasted);
    QTest::qWait(30);
    EXPECT_EQ(hours->text(), c.shown);
    ASSERT_EQ(answerer.seen().size(), c.taken ? 0U : 1U);
    if (!c.taken) {
        EXPECT_EQ(answerer.seen()[0].title, "Paste");
        EXPECT_TRUE(answerer.seen()[0].text.contains("not one number"));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Clipboard, PastedNumber,
    ::testing::Values(PasteCase{"40,5 hrs", false, "8"}, PasteCase{"$80", false, "8"},
                      PasteCase{"1 2", false, "8"}, PasteCase{"ten", false, "8"},
                      PasteCase{"40.5", true, "40.5"}, PasteCase{"  -3 ", true, "-3"},
                      PasteCase{".5", true, ".5"}),
    [](const auto& info) {
        return corvanta::testing::testNameOf(std::string("paste ") + info.param.pasted);
    });

}  // namespace
}  // namespace corvanta::ui
