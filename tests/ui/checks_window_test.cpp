#include "ui/checks_window.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTest>
#include <cstdlib>

#include "session/checks/check_register_file.h"
#include "session/files/employee_files.h"
#include "support/pdf_text.h"
#include "support/temp_folder.h"
#include "ui/print_offset_dialog.h"
#include "ui_support.h"

namespace corvanta::ui {
namespace {

using corvanta::testing::havePdfToText;
using corvanta::testing::MessageBoxAnswerer;
using corvanta::testing::pdfText;
using corvanta::testing::TempFolder;

class ChecksWindowTest : public ::testing::Test {
  protected:
    ChecksWindowTest() : ctx(folder.context()) {
        ctx.UserFileBase = "Ann";
        ctx.profile.EmployeeName = "Ann Smith";
        ctx.profile.EmployeeAddress = "12 Elm Street";
        ctx.profile.EmployeeCityStateZip = "Albany NY 12201";
        ctx.profile.EmployeeSsn = "123-45-6789";
        ctx.result.NetPay = 1234.5f;
        ctx.window.txtWeek = "01/04/2008";
        desktop.choosePrinter = [this](QWidget*, const QString&) -> std::unique_ptr<QPrinter> {
            ++printerRequests;
            if (!printToPdf) return nullptr;
            auto printer = std::make_unique<QPrinter>();
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(QString::fromStdString((folder / "check.pdf").string()));
            return printer;
        };
        window = new ChecksWindow(ctx, desktop, [this] {
            ++ledgerPreparations;
            return ledgerReady;
        });
        window->show();
    }
    ~ChecksWindowTest() override { delete window; }

    QLineEdit* box(const char* name) { return window->findChild<QLineEdit*>(name); }
    PrintOffsetDialog* openOffsets() {
        window->findChild<QAction*>("mnuPrintCheck")->trigger();
        return window->findChild<PrintOffsetDialog*>("dlgPrintSet");
    }
    QComboBox* combo(PrintOffsetDialog* dialog, const char* name) {
        return dialog->findChild<QComboBox*>(name);
    }
    void click(QWidget* dialog, const char* button) {
        QTest::mouseClick(dialog->findChild<QPushButton*>(button), Qt::LeftButton);
    }
    // Types the offsets into the dialog's boxes as the operator would.
    void typeOffsets(PrintOffsetDialog* dialog, const QString& horizontal,
                     const QString& vertical) {
        for (auto [name, text] : {std::pair{"cboHorz", horizontal}, {"cboVert", vertical}}) {
            QLineEdit* edit = combo(dialog, name)->lineEdit();
            edit->selectAll();
            QTest::keyClick(edit, Qt::Key_Backspace);
            QTest::keyClicks(edit, text);
        }
    }
    std::string firstLineOfAnd() const {
        const std::string and_ = folder.read("Ann.and");
        return and_.substr(0, and_.find("\r\n"));
    }
    static void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    TempFolder folder;
    PayrollContext ctx;
    DesktopServices desktop;
    bool printToPdf = true;
    bool ledgerReady = true;
    int printerRequests = 0;
    int ledgerPreparations = 0;
    QPointer<ChecksWindow> window;
};

TEST_F(ChecksWindowTest, LoadFillsTheCheckFromTheProfileAndTheNetPay) {
    EXPECT_EQ(window->objectName(), "frmChecks");
    EXPECT_EQ(window->windowTitle(), "Check Printing");
    EXPECT_EQ(box("txtPayTo")->text(), "Ann Smith********");
    EXPECT_EQ(box("txtCheckAmt")->text(), "**1234.50");
    EXPECT_EQ(box("txtDollars")->text(), " One Thousand Two Hundred Thirty Four and 50/100");
    EXPECT_EQ(box("txtCheckDate")->text(), "01/04/2008");
    EXPECT_EQ(box("txtUserName")->text(), "Ann Smith");
    EXPECT_EQ(box("txtUserAddress")->text(), "12 Elm Street");
    EXPECT_EQ(box("txtUserState")->text(), "Albany NY 12201");
    EXPECT_EQ(box("txtUserSSnum")->text(), "123-45-6789");
    EXPECT_EQ(box("txtMemo")->text(), "");
    EXPECT_NE(box("txtCheckCompany"), nullptr);
}

TEST_F(ChecksWindowTest, AClickRefillsThePayeeAndKeepsTheDateAndMemo) {
    QTest::keyClicks(box("txtPayTo"), " Jr");
    QTest::keyClicks(box("txtMemo"), "January");
    EXPECT_EQ(ctx.check.txtPayTo, "Ann Smith******** Jr");
    ctx.window.txtWeek = "01/11/2008";
    ctx.result.NetPay = 20;
    QTest::mouseClick(window->centralWidget(), Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(box("txtPayTo")->text(), "Ann Smith********");
    EXPECT_EQ(box("txtCheckAmt")->text(), "****20.00");
    EXPECT_EQ(box("txtDollars")->text(), " Twenty and No/100");
    EXPECT_EQ(box("txtCheckDate")->text(), "01/04/2008");
    EXPECT_EQ(box("txtMemo")->text(), "January");
}

TEST_F(ChecksWindowTest, AClickOnABoxOrTheWindowGettingActiveRefillsToo) {
    QTest::keyClicks(box("txtUserName"), "x");
    QTest::mouseClick(box("txtMemo"), Qt::LeftButton);
    EXPECT_EQ(box("txtUserName")->text(), "Ann Smith");
    QTest::keyClicks(box("txtUserName"), "y");
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(window, &activate);
    EXPECT_EQ(box("txtUserName")->text(), "Ann Smith");
}

TEST_F(ChecksWindowTest, AppliedOffsetsAreStoredAndShownOnReopening) {
    PrintOffsetDialog* dialog = openOffsets();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), "Printer Offset");
    EXPECT_EQ(dialog->findChild<QLabel*>("lbWeek")->text(), "01/04/2008");
    EXPECT_EQ(combo(dialog, "cboHorz")->currentText(), "0");
    EXPECT_EQ(combo(dialog, "cboHorz")->count(), 11);
    // Offsets that keep the check on its sheet (a ten-character date allows no move right).
    typeOffsets(dialog, "-2", "-1");
    click(dialog, "cmdApply");
    EXPECT_FLOAT_EQ(ctx.CheckOffsetHorz, -2);
    EXPECT_FLOAT_EQ(ctx.CheckOffsetVert, -1);
    EXPECT_EQ(firstLineOfAnd(), "-2,-1,0");
    click(dialog, "CancelButton");
    settle();
    ctx.CheckOffsetHorz = ctx.CheckOffsetVert = 0;  // the dialog reads them from the file
    dialog = openOffsets();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(combo(dialog, "cboHorz")->currentText(), "-2");
    EXPECT_EQ(combo(dialog, "cboVert")->currentText(), "-1");
}

TEST_F(ChecksWindowTest, StoredOffsetsAreShownAsWholeNumbersRoundedHalfToEven) {
    const struct {
        float stored;
        const char* shown;
    } cases[] = {{2.6f, "3"}, {2.5f, "2"}, {3.5f, "4"}, {-1.5f, "-2"}, {-0.4f, "0"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        ctx.CheckOffsetHorz = c.stored;
        ctx.CheckOffsetVert = 0;
        saveEmployeeFileSet(ctx);
        ctx.CheckOffsetHorz = 0;
        PrintOffsetDialog* dialog = openOffsets();
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(combo(dialog, "cboHorz")->currentText(), c.shown);
        dialog->close();
        settle();
    }
}

TEST_F(ChecksWindowTest, AnOffsetThatIsNotANumberIsRefusedAndNothingIsStored) {
    PrintOffsetDialog* dialog = openOffsets();
    const struct {
        const char* horizontal;
        const char* vertical;
        const char* message;
    } cases[] = {{"abc", "0", "The Horizontal offset \"abc\" is not a number."},
                 {"+3", "1-", "The Vertical offset \"1-\" is not a number."},
                 {"", "0", "The Horizontal offset \"\" is not a number."},
                 {"0", "99999", "The Vertical offset \"99999\" is too large for the page."}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        typeOffsets(dialog, c.horizontal, c.vertical);
        MessageBoxAnswerer answerer({QMessageBox::Ok});
        click(dialog, "OKButton");
        ASSERT_EQ(answerer.seen().size(), 1u);
        EXPECT_EQ(answerer.seen()[0].text.toStdString(), c.message);
        EXPECT_FLOAT_EQ(ctx.CheckOffsetHorz, 0);
        EXPECT_FALSE(folder.exists("Ann.and"));
    }
    EXPECT_EQ(printerRequests, 0);
    EXPECT_EQ(ledgerPreparations, 0);
    EXPECT_TRUE(dialog->isVisible());
}

TEST_F(ChecksWindowTest, PrintCheckStoresTheOffsetsPrintsTheCheckAndCloses) {
    QPointer<PrintOffsetDialog> dialog = openOffsets();
    QTest::keyClicks(box("txtMemo"), "Week one");
    typeOffsets(dialog, "-2", "-1");
    click(dialog, "OKButton");
    settle();
    EXPECT_EQ(dialog, nullptr);
    EXPECT_EQ(ledgerPreparations, 1);
    EXPECT_EQ(firstLineOfAnd(), "-2,-1,0");
    ASSERT_TRUE(folder.exists("check.pdf"));
    if (!havePdfToText()) GTEST_SKIP() << "pdftotext is not installed";
    const std::string printed = pdfText(folder / "check.pdf", "-layout");
    for (const char* expected :
         {"Ann Smith********", "**1234.50", "One Thousand Two Hundred Thirty Four and 50/100",
          "123-45-6789", "Week one", "For Week Ending: 01/04/2008"}) {
        EXPECT_NE(printed.find(expected), std::string::npos) << expected;
    }
}

TEST_F(ChecksWindowTest, ACancelledPrinterChoiceWritesNothingAndCloses) {
    printToPdf = false;
    QPointer<PrintOffsetDialog> dialog = openOffsets();
    click(dialog, "OKButton");
    settle();
    EXPECT_EQ(printerRequests, 1);
    EXPECT_FALSE(folder.exists("check.pdf"));
    EXPECT_EQ(dialog, nullptr);
}

TEST_F(ChecksWindowTest, ALedgerThatCannotBeReadyStopsThePrint) {
    ledgerReady = false;
    QPointer<PrintOffsetDialog> dialog = openOffsets();
    click(dialog, "OKButton");
    settle();
    EXPECT_EQ(printerRequests, 0);
    EXPECT_NE(dialog, nullptr);
    EXPECT_TRUE(folder.exists("Ann.and"));  // the offsets were applied before
}

TEST_F(ChecksWindowTest, ADamagedEmployeeFileIsReportedAndTheDialogStillOpens) {
    folder.write("Ann.and", "x,y\r\n");
    ctx.CheckOffsetVert = -3;
    MessageBoxAnswerer answerer({QMessageBox::Ok});
    PrintOffsetDialog* dialog = openOffsets();
    ASSERT_EQ(answerer.seen().size(), 1u);
    EXPECT_TRUE(answerer.seen()[0].text.contains("Ann.and"))
        << answerer.seen()[0].text.toStdString();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(combo(dialog, "cboVert")->currentText(), "-3");
}

TEST_F(ChecksWindowTest, EachPrintTakesTheNextNumberACancelNoneAndAReprintItsOwn) {
    const auto print = [this] {
        QPointer<PrintOffsetDialog> dialog = openOffsets();
        click(dialog, "OKButton");
        settle();
    };
    const auto numberShown = [this] {
        window->refresh();
        return window->findChild<QLabel*>("lblCheckNumber")->text().toStdString();
    };
    EXPECT_EQ(numberShown(), "No. 1001");
    printToPdf = false;
    print();
    EXPECT_FALSE(folder.exists("Checks.sav"));
    printToPdf = true;
    print();
    EXPECT_EQ(numberShown(), "No. 1002");
    const auto numbers = [this] {
        std::vector<std::pair<std::int64_t, CheckState>> out;
        for (const IssuedCheck& c : readCheckRegister(folder.path()).checks) {
            out.emplace_back(c.number, c.state);
        }
        return out;
    };
    ASSERT_EQ(numbers(),
              (std::vector<std::pair<std::int64_t, CheckState>>{{1001, CheckState::Issued}}));
    const IssuedCheck first = readCheckRegister(folder.path()).checks[0];
    EXPECT_EQ(first.employee, "Ann");
    EXPECT_EQ(first.payee, "Ann Smith");
    EXPECT_EQ(first.cents, 123450);
    EXPECT_EQ(first.week, "01/04/2008");
    if (havePdfToText()) {
        EXPECT_NE(pdfText(folder / "check.pdf", "-layout").find("No. 1001"), std::string::npos);
    }
    // The same check again keeps its number; the next week's takes the next one.
    print();
    ctx.window.txtWeek = "01/11/2008";
    ctx.check.loaded = false;
    window->refresh();
    print();
    EXPECT_EQ(numbers(), (std::vector<std::pair<std::int64_t, CheckState>>{
                             {1001, CheckState::Reprint}, {1002, CheckState::Issued}}));
    if (havePdfToText()) {
        EXPECT_NE(pdfText(folder / "check.pdf", "-layout").find("No. 1002"), std::string::npos);
    }
}

TEST_F(ChecksWindowTest, ADamagedRegisterIsNamedAndNothingIsPrinted) {
    folder.write("Checks.sav", "1001\r\nnot a check\r\n");
    MessageBoxAnswerer answerer({QMessageBox::Ok});
    QPointer<PrintOffsetDialog> dialog = openOffsets();
    click(dialog, "OKButton");
    settle();
    ASSERT_EQ(answerer.seen().size(), 1U);
    EXPECT_TRUE(answerer.seen()[0].text.contains("Checks.sav"))
        << answerer.seen()[0].text.toStdString();
    EXPECT_EQ(printerRequests, 0);
    EXPECT_FALSE(folder.exists("check.pdf"));
    EXPECT_EQ(folder.read("Checks.sav"), "1001\r\nnot a check\r\n");
}

}  // namespace
}  // namespace corvanta::ui
