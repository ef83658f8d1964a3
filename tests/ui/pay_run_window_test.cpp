// The pay run window: a week paid from the grid, typed or imported, leaves the folder and the
// printouts exactly as the command line's run leaves a copy of the folder for the same sheet;
// a bad cell is named before anything is written; a week's payroll by the keys alone.
#include "ui/pay_run_window.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <algorithm>
#include <deque>

#include "base/files/file_io.h"
#include "payrun/hours_csv.h"
#include "session/company/company_file.h"
#include "session/ytd/ledger_ops.h"
#include "support/cli_runner.h"
#include "support/employee_folder.h"
#include "support/folder_bytes.h"
#include "support/pdf_text.h"
#include "ui/calculator_window.h"
#include "ui/pay_run_grid.h"
#include "ui_support.h"

namespace corvanta::ui {
namespace {

namespace t = corvanta::testing;
namespace fs = std::filesystem;

constexpr int kStaff = 20;
constexpr const char* kWeek = "4/4/2008";

// A week of varied entries: straight time, overtime at double or time and a half, a dollar
// amount, tips.
std::vector<HoursRow> weekSheet() {
    std::vector<HoursRow> rows;
    for (int i = 0; i < kStaff; ++i) {
        HoursRow r;
        r.employee = "emp" + std::to_string(i);
        r.boxes = {std::to_string(30 + i % 11),
                   "",
                   i % 3 == 0 ? "2" : "",
                   "1",
                   "",
                   i % 7 == 0 ? "8" : "",
                   i % 4 == 0 ? "50" : "",
                   i % 6 == 0 ? "3" : ""};
        r.twoX = i % 5 == 0 ? "1" : "0";
        rows.push_back(r);
    }
    // In the grid's order, so the typed week and the sheet pay in the same order.
    std::sort(rows.begin(), rows.end(),
              [](const HoursRow& a, const HoursRow& b) { return a.employee < b.employee; });
    return rows;
}

void press(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    QWidget* focus = QApplication::focusWidget();
    QWidget* target = focus != nullptr ? focus : QApplication::activeWindow();
    ASSERT_NE(target, nullptr) << "nothing has the keyboard";
    QTest::keyClick(target, key, modifiers);
}

// Enter keeps a cell's entry once the window has handled it.
void enter() {
    press(Qt::Key_Return);
    QApplication::processEvents();
}

// Types into whatever has the keyboard, key by key, as a clerk would.
void typeKeys(const QString& text) {
    for (const QChar c : text) {
        QWidget* target = QApplication::focusWidget();
        ASSERT_NE(target, nullptr);
        QTest::keyClick(target, c.toLatin1());
    }
}

// Types a cell's entry: the key opens the cell's box, Enter keeps it.
void typeCell(QTableWidget* grid, int row, int column, const std::string& text) {
    grid->setFocus();
    grid->setCurrentCell(row, column);
    if (text.empty()) return;
    typeKeys(QString::fromStdString(text));
    enter();
}

void tick(QTableWidget* grid, int row, int column) {
    grid->setFocus();
    grid->setCurrentCell(row, column);
    press(Qt::Key_Space);
}

class PayRunWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder.copyFederalTable();
        Company c;
        c.name = "Grid Test Co";
        c.stateCode = "NY";
        writeCompany(folder.path(), c);
        t::EmployeeFolderMaker(25).make(folder.path(), kStaff);
        ctx = folder.context();
        form = std::make_unique<CalculatorForm>(ctx, std::make_unique<t::ScriptedPrompts>());
        form->show();
        DesktopServices& d = form->desktop();
        d.choosePrinter = [this](QWidget*, const QString&) {
            const fs::path pdf = printed.empty() ? out / "unexpected.pdf" : printed.front();
            if (!printed.empty()) printed.pop_front();
            return t::pdfPrinter(pdf);
        };
        d.chooseHoursSheet = [this](QWidget*, const QString&, bool) {
            return QString::fromStdString(sheet.string());
        };
        writeFileAtomically(sheet, writeHoursSheet(weekSheet()));
        // The command line pays a copy of the folder as the window found it.
        t::copyFolderFiles(folder.path(), cliFolder.path());
    }
    void TearDown() override { form.reset(); }

    QWidget* openWindow() {
        EXPECT_TRUE(t::triggerAction(form.get(), "mnuPayRun"));
        QWidget* w = t::visibleTopLevel("frmPayRun");
        if (w != nullptr) {
            QApplication::setActiveWindow(w);
            EXPECT_TRUE(QTest::qWaitForWindowActive(w));
        }
        return w;
    }
    static QTableWidget* gridOf(QWidget* w) { return w->findChild<QTableWidget*>("gridPayRun"); }
    static void setWeek(QWidget* w, const char* week) {
        auto* box = w->findChild<QLineEdit*>("txtRunWeek");
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, week);
    }
    void payFromWindow(QWidget* w) {
        const t::MessageBoxAnswerer yes({QMessageBox::Yes});
        QTest::mouseClick(w->findChild<QPushButton*>("cmdPay"), Qt::LeftButton);
    }
    void expectSameAsCommandLine() {
        const t::CliResult cli =
            t::runCli({"run", "--dir", cliFolder.path().string(), "--hours", sheet.string(),
                       "--week", kWeek, "--stubs", (out / "cli-stubs.pdf").string(), "--checks",
                       (out / "cli-checks.pdf").string()});
        ASSERT_EQ(cli.exitCode, 0) << cli.err;
        auto window = t::folderBytes(folder.path());
        // The lock of the employee the calculator holds is the window's, not the run's.
        std::erase_if(window, [](const auto& file) { return file.first.ends_with(".lck"); });
        const auto command = t::folderBytes(cliFolder.path());
        for (const auto& [name, bytes] : command) {
            const auto it = window.find(name);
            ASSERT_NE(it, window.end()) << name << " is missing after the window's run";
            EXPECT_EQ(it->second, bytes) << name << " differs";
        }
        EXPECT_EQ(window.size(), command.size());
        if (t::havePdfToText()) {
            EXPECT_EQ(t::pdfText(out / "stubs.pdf"), t::pdfText(out / "cli-stubs.pdf"));
            EXPECT_EQ(t::pdfText(out / "checks.pdf"), t::pdfText(out / "cli-checks.pdf"));
            EXPECT_NE(t::pdfText(out / "stubs.pdf").find(kWeek), std::string::npos);
        }
        EXPECT_FALSE(fs::exists(out / "unexpected.pdf"));
    }

    t::TempFolder folder;
    t::TempFolder cliFolder;
    t::TempFolder out;
    fs::path sheet = out / "hours.csv";
    std::deque<fs::path> printed{out / "stubs.pdf", out / "checks.pdf"};
    PayrollContext ctx;
    std::unique_ptr<CalculatorForm> form;
};

TEST_F(PayRunWindowTest, AWeekTypedIntoTheGridIsPaidAsTheCommandLinePaysIt) {
    QWidget* w = openWindow();
    ASSERT_NE(w, nullptr);
    QTableWidget* grid = gridOf(w);
    ASSERT_EQ(grid->rowCount(), kStaff);
    setWeek(w, kWeek);
    for (const HoursRow& r : weekSheet()) {
        const int row = *rowOfEmployee(grid, r.employee);
        tick(grid, row, kPayColumn);
        for (int b = 0; b < kEntryBoxes; ++b)
            typeCell(grid, row, kFirstEntryColumn + b, r.boxes[b]);
        if (r.twoX == "1") tick(grid, row, kTwoXColumn);
    }
    ASSERT_EQ(chosenHoursRows(grid).size(), static_cast<std::size_t>(kStaff));
    payFromWindow(w);
    expectSameAsCommandLine();
}

TEST_F(PayRunWindowTest, AnImportedSheetIsPaidAsTheCommandLinePaysIt) {
    QWidget* w = openWindow();
    ASSERT_NE(w, nullptr);
    QTest::mouseClick(w->findChild<QPushButton*>("cmdImport"), Qt::LeftButton);
    ASSERT_EQ(chosenHoursRows(gridOf(w)).size(), static_cast<std::size_t>(kStaff));
    setWeek(w, kWeek);
    payFromWindow(w);
    expectSameAsCommandLine();
    // The register of the week is shown.
    EXPECT_NE(t::visibleTopLevel("frmRegister"), nullptr);
    // The next week starts from this one's entries.
    QTest::mouseClick(w->findChild<QPushButton*>("cmdCopyLast"), Qt::LeftButton);
    std::vector<HoursRow> copied = chosenHoursRows(gridOf(w));
    for (HoursRow& r : copied) r.line = 0;
    ASSERT_EQ(copied.size(), weekSheet().size());
    for (std::size_t i = 0; i < copied.size(); ++i) {
        EXPECT_EQ(copied[i].boxes, weekSheet()[i].boxes) << copied[i].employee;
        EXPECT_EQ(copied[i].twoX, weekSheet()[i].twoX) << copied[i].employee;
    }
}

TEST_F(PayRunWindowTest, ABadCellIsNamedAndNothingIsWritten) {
    QWidget* w = openWindow();
    ASSERT_NE(w, nullptr);
    QTableWidget* grid = gridOf(w);
    setWeek(w, kWeek);
    tick(grid, 3, kPayColumn);
    // Only what the entry boxes take can be typed; a second point still makes no number.
    typeCell(grid, 3, kFirstEntryColumn + 2, "1.2.3");
    EXPECT_EQ(w->findChild<QLabel*>("lblRunStatus")->text(),
              "Row 4, emp11, O.T.: \"1.2.3\" is not a number.");
    const auto before = t::folderBytes(folder.path());
    const t::MessageBoxAnswerer ok({QMessageBox::Ok});
    QTest::mouseClick(w->findChild<QPushButton*>("cmdPay"), Qt::LeftButton);
    ASSERT_EQ(ok.seen().size(), 1U);
    EXPECT_TRUE(ok.seen()[0].text.contains("Row 4, emp11, O.T.: \"1.2.3\" is not a number"))
        << ok.seen()[0].text.toStdString();
    EXPECT_EQ(t::folderBytes(folder.path()), before);
    EXPECT_FALSE(fs::exists(folder / "Backups"));
}

// The employee the calculator holds is paid under its own lock, not refused as in use, and
// the calculator then shows her week posted.
TEST_F(PayRunWindowTest, TheEmployeeTheCalculatorHoldsIsPaidAndShownPosted) {
    form->openEmployeeNamed("emp3");
    ASSERT_EQ(ctx.UserFileBase, "emp3");
    QWidget* w = openWindow();
    ASSERT_NE(w, nullptr);
    QTest::mouseClick(w->findChild<QPushButton*>("cmdImport"), Qt::LeftButton);
    setWeek(w, kWeek);
    payFromWindow(w);
    EXPECT_EQ(rowPostedFor(ctx, kWeek).has_value(), true)
        << w->findChild<QLabel*>("lblRunStatus")->text().toStdString();
    expectSameAsCommandLine();
}

TEST_F(PayRunWindowTest, PreviewShowsEachRowsFiguresAndTheEmployersTaxesWritingNothing) {
    QWidget* w = openWindow();
    ASSERT_NE(w, nullptr);
    QTest::mouseClick(w->findChild<QPushButton*>("cmdImport"), Qt::LeftButton);
    setWeek(w, kWeek);
    const auto before = t::folderBytes(folder.path());
    QTest::mouseClick(w->findChild<QPushButton*>("cmdPreview"), Qt::LeftButton);
    QTableWidget* grid = gridOf(w);
    for (int r = 0; r < kStaff; ++r) {
        EXPECT_FALSE(grid->item(r, kFirstFigureColumn)->text().isEmpty()) << "row " << r;
    }
    auto* totals = w->findChild<QTableWidget*>("grdRunTotals");
    QStringList labels;
    for (int r = 0; r < totals->rowCount(); ++r) labels << totals->item(r, 0)->text();
    EXPECT_TRUE(labels.contains("Total Gross"));
    EXPECT_TRUE(labels.contains("Employer's Social Security"));
    EXPECT_EQ(t::folderBytes(folder.path()), before);
}

// Ctrl+R, the week, hours for three employees, Preview (Alt+V), Pay (Alt+P), both printouts
// to PDF: no mouse.
TEST(PayRunByKeyboard, CtrlRTheWeekThreeRowsPreviewPayAndPrint) {
    t::TempFolder folder;
    folder.copyFederalTable();
    Company c;
    c.name = "Keys Co";
    writeCompany(folder.path(), c);
    t::EmployeeFolderMaker(7).make(folder.path(), 5);
    PayrollContext ctx = folder.context();
    ctx.durableWrites = false;
    CalculatorForm form(ctx, std::make_unique<t::ScriptedPrompts>());
    std::deque<fs::path> printed{folder / "stubs.pdf", folder / "checks.pdf"};
    form.desktop().choosePrinter = [&printed](QWidget*, const QString&) {
        const fs::path pdf = printed.front();
        printed.pop_front();
        return t::pdfPrinter(pdf);
    };
    form.show();
    QApplication::setActiveWindow(&form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    // From inside an entry box: the shortcut is the window's.
    form.findChild<QLineEdit*>("txtAmount0")->setFocus();
    press(Qt::Key_R, Qt::ControlModifier);
    QWidget* w = t::visibleTopLevel("frmPayRun");
    ASSERT_NE(w, nullptr);
    QApplication::setActiveWindow(w);
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    ASSERT_EQ(QApplication::focusWidget(), w->findChild<QLineEdit*>("txtRunWeek"));
    press(Qt::Key_A, Qt::ControlModifier);
    typeKeys(kWeek);
    // Tab into the grid: its first cell, the first row's Pay box.
    press(Qt::Key_Tab);
    auto* grid = w->findChild<QTableWidget*>("gridPayRun");
    ASSERT_EQ(QApplication::focusWidget(), grid);
    for (int row = 0; row < 3; ++row) {
        ASSERT_EQ(grid->currentRow(), row);
        ASSERT_EQ(grid->currentColumn(), kPayColumn);
        press(Qt::Key_Space);  // pay her
        press(Qt::Key_Right);  // the employee
        press(Qt::Key_Right);  // straight time
        typeKeys(QString::number(38 + row));
        enter();
        press(Qt::Key_Down);
        press(Qt::Key_Left);
        press(Qt::Key_Left);
    }
    ASSERT_EQ(chosenHoursRows(grid).size(), 3U);
    // A button's Alt letter clicks it a moment later, as a click shows.
    press(Qt::Key_V, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor(
        [grid] { return !grid->item(2, kFirstFigureColumn)->text().isEmpty(); }, 2000))
        << w->findChild<QLabel*>("lblRunStatus")->text().toStdString();
    {
        const t::MessageBoxAnswerer yes({QMessageBox::Yes});
        press(Qt::Key_P, Qt::AltModifier);
        EXPECT_TRUE(QTest::qWaitFor([&printed] { return printed.empty(); }, 5000));
        ASSERT_EQ(yes.seen().size(), 1U);
    }
    ASSERT_TRUE(fs::exists(folder / "checks.pdf"));
    if (t::havePdfToText()) {
        EXPECT_NE(t::pdfText(folder / "stubs.pdf").find(kWeek), std::string::npos);
    }
    EXPECT_TRUE(fs::exists(folder / "Backups"));
}

}  // namespace
}  // namespace corvanta::ui
