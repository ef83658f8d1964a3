// The Year-End Forms window: each form shown before it is printed, the 941 by quarter, and a
// wage file that lacks a required field refused with what it lacks, nothing written.
#include "ui/year_end_window.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "session/company/company_file.h"
#include "support/ledger_writer.h"
#include "support/pdf_text.h"
#include "ui/calculator_window.h"
#include "ui_support.h"

namespace corvanta::ui {
namespace {

namespace t = corvanta::testing;

class YearEndWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder.copyFederalTable();
        Company c;
        c.name = "Window Test Co";
        c.street = "1 State St";
        c.city = "Albany";
        c.stateCode = "NY";
        c.zip = "12207";
        c.ein = "12-3456789";
        c.contact = {"Pat Clerk", "518-555-0100", "pat@example.com"};
        writeCompany(folder.path(), c);
        t::writeLedgerEmployee(
            folder, "ann", {{"1/4/2008", 1000, 100, 62, 14.5f}, {"4/4/2008", 500, 40, 31, 7.25f}},
            [](EmployeeProfile& p) {
                p.EmployeeName = "Ann Lee";
                p.EmployeeSsn = "123-45-6789";
                p.EmployeeAddress = "12 Elm St";
                p.EmployeeCityStateZip = "Albany, NY 12208";
            });
        ctx = folder.context();
        form = std::make_unique<CalculatorForm>(ctx, std::make_unique<t::ScriptedPrompts>());
        form->show();
        DesktopServices& d = form->desktop();
        d.choosePrinter = [this](QWidget*, const QString&) { return t::pdfPrinter(pdf); };
        d.chooseWageFile = [this](QWidget*, const QString&) {
            return QString::fromStdString(wageFile.string());
        };
    }
    void TearDown() override { form.reset(); }

    QWidget* openWindow() {
        EXPECT_TRUE(t::triggerAction(form.get(), "mnuYearEnd"));
        return t::visibleTopLevel("frmYearEnd");
    }
    static QString preview(QWidget* w) {
        return w->findChild<QPlainTextEdit*>("txtPreview")->toPlainText();
    }
    static void chooseForm(QWidget* w, int downs) {
        auto* forms = w->findChild<QComboBox*>("cboForm");
        forms->setFocus();
        for (int i = 0; i < downs; ++i) QTest::keyClick(forms, Qt::Key_Down);
    }

    t::TempFolder folder;
    t::TempFolder out;
    std::filesystem::path pdf = out / "forms.pdf";
    std::filesystem::path wageFile = out / "W2REPORT";
    PayrollContext ctx;
    std::unique_ptr<CalculatorForm> form;
};

TEST_F(YearEndWindowTest, ShowsEachFormBeforePrintingIt) {
    QWidget* w = openWindow();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(preview(w).contains("Form W-2"));
    EXPECT_TRUE(preview(w).contains("123-45-6789"));
    EXPECT_TRUE(preview(w).contains("1,500.00"));
    chooseForm(w, 2);
    auto* periods = w->findChild<QComboBox*>("cboPeriod");
    EXPECT_EQ(periods->count(), 4);
    EXPECT_TRUE(preview(w).contains("Form 941 worksheet, quarter 1 of 2008"));
    periods->setFocus();
    QTest::keyClick(periods, Qt::Key_Down);
    QTest::mouseClick(w->findChild<QPushButton*>("cmdShow"), Qt::LeftButton);
    EXPECT_TRUE(preview(w).contains("quarter 2 of 2008"));
    QTest::mouseClick(w->findChild<QPushButton*>("cmdPrint"), Qt::LeftButton);
    ASSERT_TRUE(std::filesystem::exists(pdf));
    if (t::havePdfToText()) {
        EXPECT_NE(t::pdfText(pdf).find("quarter 2 of 2008"), std::string::npos);
    }
}

TEST_F(YearEndWindowTest, AWageFileLackingAFieldIsShownAndNotWritten) {
    t::writeLedgerEmployee(folder, "bo", {{"1/4/2008", 100, 0, 6.2f, 1.45f}});
    QWidget* w = openWindow();
    ASSERT_NE(w, nullptr);
    chooseForm(w, 4);
    auto* user = w->findChild<QLineEdit*>("txtUserId");
    ASSERT_TRUE(user->isEnabled());
    QTest::keyClicks(user, "AB12CD34");
    QTest::mouseClick(w->findChild<QPushButton*>("cmdShow"), Qt::LeftButton);
    EXPECT_TRUE(preview(w).contains("bo, Social Security number: missing"))
        << preview(w).toStdString();
    {
        const t::MessageBoxAnswerer answers({QMessageBox::Ok});
        QTest::mouseClick(w->findChild<QPushButton*>("cmdPrint"), Qt::LeftButton);
        ASSERT_EQ(answers.seen().size(), 1U);
        EXPECT_TRUE(answers.seen()[0].text.contains("Social Security number"));
    }
    EXPECT_FALSE(std::filesystem::exists(wageFile));
}

}  // namespace
}  // namespace corvanta::ui
