// The calculator window's printouts, pickers and year-to-date, check, leave and overtime
// windows as the operator reaches them from its menus and buttons.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QDate>
#include <QDateEdit>
#include <QDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrinter>
#include <QPushButton>
#include <QTest>
#include <fstream>

#include "modal_dialog.h"
#include "support/payroll_fixture.h"
#include "support/pdf_text.h"
#include "support/print_scenario.h"
#include "ui/calculator_window.h"
#include "ui_support.h"

namespace corvanta::ui {
namespace {

using corvanta::testing::MessageBoxAnswerer;
using corvanta::testing::ScriptedPrompts;
namespace t = corvanta::testing;

const std::filesystem::path kGolden =
    std::filesystem::path(__FILE__).parent_path().parent_path() / "print" / "golden";

QString today() { return QDate::currentDate().toString("M/d/yyyy"); }

class CalculatorPrintouts : public t::PayrollFixture {
  protected:
    void SetUp() override {
        PayrollFixture::SetUp();
        form_ = std::make_unique<CalculatorForm>(ctx, std::make_unique<ScriptedPrompts>());
        t::fillPrintScenario(ctx);
        form_->showContext();
        form_->show();
        form_->desktop().choosePrinter = [this](QWidget*,
                                                const QString&) -> std::unique_ptr<QPrinter> {
            ++printerRequests;
            if (pdf.empty()) return nullptr;
            auto printer = std::make_unique<QPrinter>();
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(QString::fromStdString(pdf.string()));
            return printer;
        };
    }
    void TearDown() override {
        ctx.showMessage = [](const UserMessage&) {};
        form_.reset();
    }

    void trigger(QWidget* owner, const char* name) {
        ASSERT_TRUE(t::triggerAction(owner, name)) << name;
    }
    static QWidget* topLevel(const char* name) { return t::visibleTopLevel(name); }

    // Every line of the committed text rendering is found, in order, among the PDF's lines;
    // the printing date of the rendering is today's when printed from the window.
    void expectGoldenLines(const std::string& golden) {
        ASSERT_TRUE(std::filesystem::exists(pdf));
        if (!t::havePdfToText()) GTEST_SKIP() << "pdftotext is not installed";
        std::string expected = t::readText(kGolden / golden);
        for (auto at = expected.find("2/1/2008"); at != std::string::npos;
             at = expected.find("2/1/2008", at)) {
            expected.replace(at, 8, today().toStdString());
        }
        EXPECT_EQ(t::firstLineMissingFromPdf(expected, t::pdfText(pdf, "-layout")), "");
    }

    std::unique_ptr<CalculatorForm> form_;
    std::filesystem::path pdf;
    int printerRequests = 0;
};

TEST_F(CalculatorPrintouts, PrintButtonAndPrintSheetPrintTheStubOfTheGoldenRendering) {
    for (const char* command : {"cmdPrint", "mnuPrintSheetItem"}) {
        pdf = folder / (std::string(command) + ".pdf");
        if (std::string(command) == "cmdPrint") {
            form_->findChild<QPushButton*>(command)->click();
        } else {
            trigger(form_.get(), command);
        }
        expectGoldenLines("pay_stub.txt");
    }
}

TEST_F(CalculatorPrintouts, CancelledPrinterChoicePrintsNothing) {
    for (const char* command : {"mnuPrintSheetItem", "mnuPrintItem"}) trigger(form_.get(), command);
    EXPECT_EQ(printerRequests, 2);
    for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
        EXPECT_NE(entry.path().extension(), ".pdf") << entry.path();
    }
}

TEST_F(CalculatorPrintouts, PrintImageWritesAPictureOfTheWindow) {
    pdf = folder / "picture.pdf";
    trigger(form_.get(), "mnuPrintItem");
    ASSERT_TRUE(std::filesystem::exists(pdf));
    EXPECT_EQ(t::readText(pdf).substr(0, 4), "%PDF");
    EXPECT_GT(std::filesystem::file_size(pdf), 2000u);  // a page with a picture, not empty
}

TEST_F(CalculatorPrintouts, CheckWithOffsetsPrintsTheGoldenRendering) {
    trigger(form_.get(), "mnuChecks");
    QWidget* checks = topLevel("frmChecks");
    ASSERT_NE(checks, nullptr);
    QTest::keyClicks(checks->findChild<QLineEdit*>("txtMemo"), "January bonus");
    trigger(checks, "mnuPrintCheck");
    QWidget* offsets = topLevel("dlgPrintSet");
    ASSERT_NE(offsets, nullptr);
    offsets->findChild<QComboBox*>("cboHorz")->setCurrentText("+2");
    offsets->findChild<QComboBox*>("cboVert")->setCurrentText("-1");
    pdf = folder / "check.pdf";
    offsets->findChild<QPushButton*>("OKButton")->click();
    expectGoldenLines("check_offsets.txt");
}

TEST_F(CalculatorPrintouts, LedgerPrintGivesTheGoldenReportAndNoShowsTheCalculator) {
    form_->findChild<QPushButton*>("cmdYear")->click();
    QWidget* ledger = topLevel("MDIForm1");
    ASSERT_NE(ledger, nullptr);
    pdf = folder / "ledger.pdf";
    trigger(ledger, "mnuPrint");
    expectGoldenLines("ledger_report_weekly.txt");
    MessageBoxAnswerer answers({QMessageBox::No});
    trigger(ledger, "mnuClose");
    EXPECT_FALSE(ledger->isVisible());
    EXPECT_TRUE(form_->isVisible());
    EXPECT_FALSE(folder.exists("Dana Whitfield.yrw"));  // No writes nothing
}

// Today lies outside the picker's range: the box takes today's date, the picker 1/1/2008.
TEST_F(CalculatorPrintouts, PayDateClickOpensThePickerWhichTheBoxFollows) {
    auto* week = form_->findChild<QLineEdit*>("txtWeek");
    week->setText("garbage");
    QDate shownAtOpening;
    t::onNextModalDialog("frmDateMain", [&](QDialog* picker) {
        auto* date = picker->findChild<QDateEdit*>("DTPicker1");
        shownAtOpening = date->date();
        date->setDate(QDate(2008, 3, 7));
        picker->reject();  // the close box keeps what the picker wrote
    });
    QTest::mouseClick(week, Qt::LeftButton);
    if (QDate::currentDate() < QDate(2007, 12, 1) || QDate::currentDate() > QDate(2009, 1, 10)) {
        EXPECT_EQ(shownAtOpening, QDate(2008, 1, 1));
    }
    EXPECT_EQ(week->text(), "3/7/2008");
    EXPECT_EQ(ctx.window.txtWeek, "3/7/2008");
}

TEST_F(CalculatorPrintouts, ButtonsOpenTheSideWindowsAndExitClosesThemWithoutQuestions) {
    for (const char* button : {"cmdYear", "cmdOT", "Command1"}) {
        form_->findChild<QPushButton*>(button)->click();
    }
    trigger(form_.get(), "mnuChecks");
    for (const char* window : {"MDIForm1", "Form2", "DialogVac", "frmChecks"}) {
        EXPECT_NE(topLevel(window), nullptr) << window;
    }
    MessageBoxAnswerer answers({});  // "USE CLOSE INSTEAD" must not come
    form_->close();
    QApplication::processEvents();
    EXPECT_TRUE(answers.seen().empty());
    for (const char* window : {"MDIForm1", "Form2", "DialogVac", "frmChecks"}) {
        EXPECT_EQ(topLevel(window), nullptr) << window;
    }
}

}  // namespace
}  // namespace corvanta::ui
