// Forms, Check Register: the folder's checks listed, printed, exported and voided, with the
// question whether to zero the ledger row the check paid answered each way.
#include "ui/check_register_window.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <memory>

#include "session/checks/check_book.h"
#include "session/checks/check_register_report.h"
#include "session/payroll/payroll_folder.h"
#include "support/employee_folder.h"
#include "support/pdf_text.h"
#include "support/temp_folder.h"
#include "ui/calculator_window.h"
#include "ui/message_box.h"
#include "ui_support.h"

namespace corvanta::ui {
namespace {

namespace t = corvanta::testing;

// An employee's paid week: her base name, the week of her first posted row and its gross.
struct PaidWeek {
    std::string employee;
    std::string week;
    float gross = 0;
};

class CheckRegisterWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder.copyFederalTable();
        const auto employees = t::EmployeeFolderMaker(7).make(folder.path(), 8);
        for (const std::string& e : employees) {
            const EmployeeBooks books = readEmployeeBooks(folder.path(), e);
            if (!books.rows.empty() && books.rows[0].Gross != 0) {
                paid.push_back({e, books.rows[0].WeekLabel, books.rows[0].Gross});
            }
        }
        ASSERT_GE(paid.size(), 3U);
        {
            CheckBook book(folder.path(), false);
            for (const PaidWeek& p : paid) {
                book.issue({"1/9/2008", p.employee, "Payee " + p.employee, 10000, p.week});
            }
            book.save();
        }
        ctx = folder.context();
        auto owned = std::make_unique<t::ScriptedPrompts>();
        prompts = owned.get();
        form = std::make_unique<CalculatorForm>(ctx, std::move(owned));
        form->show();
        DesktopServices& d = form->desktop();
        d.choosePrinter = [this](QWidget*, const QString&) { return t::pdfPrinter(pdf); };
        d.chooseCsvFile = [this](QWidget*, const QString&) { return csv; };
    }
    void TearDown() override { form.reset(); }

    QWidget* openRegister() {
        EXPECT_TRUE(t::triggerAction(form.get(), "mnuCheckRegister"));
        QWidget* window = t::visibleTopLevel("frmCheckRegister");
        if (window != nullptr) {
            QApplication::setActiveWindow(window);
            EXPECT_TRUE(QTest::qWaitForWindowActive(window));
        }
        return window;
    }
    static std::vector<std::vector<std::string>> listed(const QWidget* window) {
        const auto* table = window->findChild<QTableWidget*>("grdChecks");
        std::vector<std::vector<std::string>> rows(1);
        for (int c = 0; c < table->columnCount(); ++c) {
            rows[0].push_back(fromQt(table->horizontalHeaderItem(c)->text()));
        }
        for (int r = 0; r < table->rowCount(); ++r) {
            rows.emplace_back();
            for (int c = 0; c < table->columnCount(); ++c) {
                rows.back().push_back(fromQt(table->item(r, c)->text()));
            }
        }
        return rows;
    }
    // Chooses the check's row and voids it from the keyboard, answering the question.
    std::vector<t::SeenBox> voidByKeyboard(QWidget* window, int row,
                                           QMessageBox::StandardButton answer) {
        // The message box of the last void gave the keyboard back elsewhere.
        QApplication::setActiveWindow(window);
        EXPECT_TRUE(QTest::qWaitForWindowActive(window));
        auto* table = window->findChild<QTableWidget*>("grdChecks");
        table->setFocus();
        table->selectRow(row);
        t::MessageBoxAnswerer answerer({answer});
        QTest::keyClick(table, Qt::Key_V, Qt::AltModifier);
        // An Alt letter clicks its button a moment later, as a click shown on screen.
        QTest::qWaitFor([&answerer] { return !answerer.seen().empty(); }, 1000);
        return answerer.seen();
    }
    [[nodiscard]] float firstRowGross(const std::string& employee) const {
        return readEmployeeBooks(folder.path(), employee).rows[0].Gross;
    }
    [[nodiscard]] CheckState stateOf(std::int64_t number) const {
        return readCheckRegister(folder.path()).find(number)->state;
    }

    t::TempFolder folder;
    std::vector<PaidWeek> paid;
    PayrollContext ctx;
    t::ScriptedPrompts* prompts = nullptr;
    std::unique_ptr<CalculatorForm> form;
    std::filesystem::path pdf;
    QString csv;
};

TEST_F(CheckRegisterWindowTest, ListsEveryCheckAsTheRegisterHoldsThem) {
    QWidget* window = openRegister();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(listed(window), checkRegisterTable(readCheckRegister(folder.path())));
    EXPECT_NE(fromQt(window->findChild<QLabel*>("lblNextCheck")->text())
                  .find("next check is number " + std::to_string(1001 + paid.size())),
              std::string::npos);
}

TEST_F(CheckRegisterWindowTest, VoidingAsksWhetherToZeroTheLedgerRowAndDoesAsAnswered) {
    QWidget* window = openRegister();
    ASSERT_NE(window, nullptr);

    // No: the check is void, her ledger as it was.
    const auto asked = voidByKeyboard(window, 0, QMessageBox::No);
    ASSERT_EQ(asked.size(), 1U);
    EXPECT_TRUE(asked[0].text.contains("Zero the row")) << asked[0].text.toStdString();
    EXPECT_EQ(stateOf(1001), CheckState::Void);
    EXPECT_EQ(firstRowGross(paid[0].employee), paid[0].gross);
    // The void check stays listed under its number.
    EXPECT_EQ(listed(window)[1][0], "1001");
    EXPECT_EQ(listed(window)[1][6], "void");

    // Yes: the check is void and the row it paid is zeroed in her ledger file.
    voidByKeyboard(window, 1, QMessageBox::Yes);
    EXPECT_EQ(stateOf(1002), CheckState::Void);
    EXPECT_EQ(firstRowGross(paid[1].employee), 0.0f);

    // Cancel: nothing.
    voidByKeyboard(window, 2, QMessageBox::Cancel);
    EXPECT_EQ(stateOf(1003), CheckState::Issued);
    EXPECT_EQ(firstRowGross(paid[2].employee), paid[2].gross);
}

TEST_F(CheckRegisterWindowTest, TheRowOfTheEmployeeOpenInTheWindowIsZeroedThere) {
    prompts->files = {folder / (paid[2].employee + ".use")};
    form->openEmployee();
    ASSERT_EQ(ctx.UserFileBase, paid[2].employee);
    QWidget* window = openRegister();
    ASSERT_NE(window, nullptr);
    voidByKeyboard(window, 2, QMessageBox::Yes);
    EXPECT_EQ(stateOf(1003), CheckState::Void);
    EXPECT_EQ(firstRowGross(paid[2].employee), 0.0f);
    // The session's ledger is the file's: a later save of hers keeps the row zeroed.
    EXPECT_EQ(ctx.ledger.rows[0].Gross, 0.0f);
}

TEST_F(CheckRegisterWindowTest, PrintsAndExportsTheList) {
    QWidget* window = openRegister();
    ASSERT_NE(window, nullptr);
    csv = toQt((folder / "checks.csv").string());
    QTest::keyClick(window->findChild<QTableWidget*>("grdChecks"), Qt::Key_X, Qt::AltModifier);
    QTest::qWaitFor([this] { return folder.exists("checks.csv"); }, 1000);
    EXPECT_EQ(folder.read("checks.csv"), checkRegisterCsv(readCheckRegister(folder.path())));
    if (!t::havePdfToText()) GTEST_SKIP() << "pdftotext is not installed";
    pdf = folder / "checks.pdf";
    window->findChild<QPushButton*>("cmdPrint")->click();
    const std::string text = t::pdfText(pdf, "-layout");
    EXPECT_NE(text.find("Check register"), std::string::npos) << text;
    EXPECT_NE(text.find("Payee " + paid[0].employee), std::string::npos) << text;
}

}  // namespace
}  // namespace corvanta::ui
