// The payroll register window and the File menu's backups, driven through the calculator
// window as a clerk would.
#include "ui/register_window.h"

#include <archive.h>
#include <archive_entry.h>
#include <gtest/gtest.h>

#include <QComboBox>
#include <QHeaderView>
#include <QListWidget>
#include <QPrinter>
#include <QPushButton>
#include <QTableWidget>
#include <fstream>
#include <memory>

#include "backup/folder_backup.h"
#include "backup/folder_restore.h"
#include "base/files/lock_file.h"
#include "session/payroll/payroll_folder.h"
#include "session/payroll/register_report.h"
#include "session/ytd/ledger_file.h"
#include "support/employee_folder.h"
#include "support/folder_bytes.h"
#include "support/pdf_text.h"
#include "support/temp_folder.h"
#include "ui/calculator_window.h"
#include "ui/message_box.h"
#include "ui_support.h"

namespace corvanta::ui {
namespace {

namespace t = corvanta::testing;

// One member of a zip archive (an .xlsx workbook is one), or "" when it is missing.
std::string zipMember(const std::filesystem::path& zip, const std::string& member) {
    std::unique_ptr<archive, decltype(&archive_read_free)> a(archive_read_new(), archive_read_free);
    archive_read_support_format_zip(a.get());
    if (archive_read_open_filename(a.get(), zip.c_str(), 16384) != ARCHIVE_OK) return "";
    archive_entry* entry = nullptr;
    while (archive_read_next_header(a.get(), &entry) == ARCHIVE_OK) {
        if (member != archive_entry_pathname(entry)) continue;
        std::string bytes(static_cast<std::size_t>(archive_entry_size(entry)), '\0');
        archive_read_data(a.get(), bytes.data(), bytes.size());
        return bytes;
    }
    return "";
}

std::vector<std::vector<std::string>> tableCells(const QTableWidget* table, bool headed) {
    std::vector<std::vector<std::string>> rows;
    if (headed) {
        rows.emplace_back();
        for (int c = 0; c < table->columnCount(); ++c) {
            rows.back().push_back(table->horizontalHeaderItem(c)->text().toStdString());
        }
    }
    for (int r = 0; r < table->rowCount(); ++r) {
        rows.emplace_back();
        for (int c = 0; c < table->columnCount(); ++c) {
            const QTableWidgetItem* item = table->item(r, c);
            if (item == nullptr) continue;
            rows.back().resize(c + 1);
            rows.back()[c] = fromQt(item->text());
        }
    }
    return rows;
}

// The folder's data files: the lock of the employee open in the window is no data.
std::map<std::string, std::string> dataFiles(const std::filesystem::path& folder) {
    auto files = t::folderBytes(folder);
    std::erase_if(files, [](const auto& f) { return f.first.ends_with(kLockExtension); });
    return files;
}

class RegisterWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder.copyFederalTable();
        employees = t::EmployeeFolderMaker(7).make(folder.path(), 8);
        ctx = folder.context();
        auto owned = std::make_unique<t::ScriptedPrompts>();
        prompts = owned.get();
        form = std::make_unique<CalculatorForm>(ctx, std::move(owned));
        form->show();
        DesktopServices& d = form->desktop();
        d.choosePrinter = [this](QWidget*, const QString&) { return t::pdfPrinter(pdf); };
        d.chooseWorkbookFile = [this](QWidget*, const QString&) { return workbook; };
        d.chooseBackupFile = [this](QWidget*, const QString& proposed) {
            proposedBackup = proposed;
            return backupAnswer;
        };
        d.chooseBackupToRestore = [this](QWidget*, const QString&) { return restoreAnswer; };
        d.openDocument = [this](const QString& file) {
            opened.push_back(file);
            return true;
        };
    }
    void TearDown() override { form.reset(); }

    QWidget* openRegister() {
        EXPECT_TRUE(t::triggerAction(form.get(), "mnuRegister"));
        return t::visibleTopLevel("frmRegister");
    }
    void choose(QWidget* window, int span, const QString& period = {}) {
        auto* spans = window->findChild<QComboBox*>("cboSpan");
        spans->setCurrentIndex(span);
        auto* reg = qobject_cast<RegisterWindow*>(window);
        reg->chooseSpan();
        if (!period.isEmpty()) {
            window->findChild<QComboBox*>("cboPeriod")->setCurrentText(period);
            window->findChild<QPushButton*>("cmdShow")->click();
        }
    }
    PayrollRegister expected(RegisterSpan span, const std::string& period) const {
        return buildRegister(readPayrollFolder(folder.path()), registerPeriod(span, period));
    }
    void openEmployee(const std::string& name) {
        prompts->files = {folder / (name + ".use")};
        form->openEmployee();
        ASSERT_EQ(ctx.UserFileBase, name);
    }
    // An employee with a posted first row, and her ledger file.
    std::pair<std::string, std::filesystem::path> withLedger() const {
        for (const std::string& e : employees) {
            const EmployeeBooks books = readEmployeeBooks(folder.path(), e);
            if (!books.rows.empty() && books.rows[0].Gross != 0) {
                return {e, folder / (e + ledgerExtension(books.profile))};
            }
        }
        return {};
    }

    t::TempFolder folder;
    std::vector<std::string> employees;
    PayrollContext ctx;
    t::ScriptedPrompts* prompts = nullptr;
    std::unique_ptr<CalculatorForm> form;
    std::filesystem::path pdf;
    QString workbook, proposedBackup, backupAnswer, restoreAnswer;
    std::vector<QString> opened;
};

TEST_F(RegisterWindowTest, EachSpanShowsTheRegisterFormsAndChecksOfTheSavedLedgers) {
    QWidget* window = openRegister();
    ASSERT_NE(window, nullptr);
    const std::vector<std::string> weeks = postedWeeks(readPayrollFolder(folder.path()));
    ASSERT_FALSE(weeks.empty());
    // It opens on the latest week posted.
    EXPECT_EQ(window->findChild<QComboBox*>("cboPeriod")->currentText().toStdString(),
              weeks.back());

    struct Case {
        int span;
        RegisterSpan engineSpan;
        std::string period;
        const char* formsHeading;  // the forms table's first cell, "" when there is none
    };
    // A week shows what the employer owes beside the wages.
    for (const Case& c : std::vector<Case>{{0, RegisterSpan::Week, weeks.front(), "Employer's"},
                                           {1, RegisterSpan::Quarter, "2008Q1", "Form 941"},
                                           {2, RegisterSpan::Year, "2008", "W-2"}}) {
        SCOPED_TRACE(c.period);
        choose(window, c.span, QString::fromStdString(c.period));
        const PayrollRegister reg = expected(c.engineSpan, c.period);
        EXPECT_EQ(tableCells(window->findChild<QTableWidget*>("grdRegister"), true),
                  registerTable(reg));
        auto* forms = window->findChild<QTableWidget*>("grdForms");
        EXPECT_EQ(forms->isVisible(), c.formsHeading[0] != '\0');
        if (forms->isVisible()) {
            const auto cells = tableCells(forms, c.engineSpan == RegisterSpan::Year);
            EXPECT_EQ(cells, formsTable(reg));
            EXPECT_EQ(cells[0][0].rfind(c.formsHeading, 0), 0U) << cells[0][0];
        }
        auto* checks = window->findChild<QListWidget*>("lstChecks");
        std::vector<std::string> shown;
        for (int i = 0; i < checks->count(); ++i) shown.push_back(fromQt(checks->item(i)->text()));
        EXPECT_EQ(shown, checkLines(reg));
    }
}

TEST_F(RegisterWindowTest, PrintAndExcelCarryTheQuartersForm941) {
    if (!t::havePdfToText()) GTEST_SKIP() << "pdftotext is not installed";
    QWidget* window = openRegister();
    ASSERT_NE(window, nullptr);
    choose(window, 1, "2008Q1");
    const Form941 f = *expected(RegisterSpan::Quarter, "2008Q1").form941;
    ASSERT_GT(f.line8, Currency{});

    pdf = folder / "register.pdf";
    window->findChild<QPushButton*>("cmdPrint")->click();
    const std::string text = t::pdfText(pdf, "-layout");
    EXPECT_NE(text.find("Payroll register 2008Q1"), std::string::npos) << text;
    EXPECT_NE(text.find(registerAmount(f.line8)), std::string::npos) << text;

    const std::filesystem::path xlsx = folder / "Register 2008Q1.xlsx";
    workbook = QString::fromStdString(xlsx.string());
    window->findChild<QPushButton*>("cmdExcel")->click();
    ASSERT_EQ(opened, std::vector<QString>{workbook});
    const std::string sheet = zipMember(xlsx, "xl/worksheets/sheet1.xml");
    const std::string strings = zipMember(xlsx, "xl/sharedStrings.xml");
    EXPECT_NE(strings.find("Line 8, total taxes after adjustments"), std::string::npos);
    // The figures are number cells, not texts.
    const std::string dollars = std::to_string(f.line8.units() / 10000);
    EXPECT_NE(sheet.find("<v>" + dollars), std::string::npos) << dollars;
    EXPECT_NE(sheet.find("orientation=\"landscape\""), std::string::npos);
}

TEST_F(RegisterWindowTest, AWorkbookThatCannotBeWrittenIsReportedByName) {
    QWidget* window = openRegister();
    ASSERT_NE(window, nullptr);
    workbook = QString::fromStdString((folder / "no such folder" / "Register.xlsx").string());
    t::MessageBoxAnswerer answers({QMessageBox::Ok});
    window->findChild<QPushButton*>("cmdExcel")->click();
    ASSERT_EQ(answers.seen().size(), 1U);
    EXPECT_TRUE(answers.seen()[0].text.contains("Register.xlsx"))
        << answers.seen()[0].text.toStdString();
    EXPECT_TRUE(opened.empty());
}

TEST_F(RegisterWindowTest, RestoreGivesTheFolderBackKeepsItsFilesAndRereadsTheOpenEmployee) {
    const auto [name, ledgerFile] = withLedger();
    ASSERT_FALSE(name.empty());
    const auto before = dataFiles(folder.path());
    const std::filesystem::path archive = folder / "Backups" / "first.tar.gz";
    backupAnswer = QString::fromStdString(archive.string());
    {
        t::MessageBoxAnswerer answers({QMessageBox::Ok});
        ASSERT_TRUE(t::triggerAction(form.get(), "mnuBackup"));
        ASSERT_EQ(answers.seen().size(), 1U);
        EXPECT_TRUE(answers.seen()[0].text.startsWith("Backup written:"));
    }
    EXPECT_TRUE(proposedBackup.contains("/Backups/Corvanta backup "));
    EXPECT_TRUE(verifyBackup(archive).problems.empty());

    // After the backup: the employee is open, one file is spoiled and one is gone.
    openEmployee(name);
    std::ofstream(ledgerFile, std::ios::trunc) << "spoiled";
    std::filesystem::remove(folder /
                            ((employees[0] == name ? employees[1] : employees[0]) + ".use"));
    const auto spoiled = dataFiles(folder.path());
    ctx.ledger.rows[0].Gross = 99999;

    restoreAnswer = QString::fromStdString(archive.string());
    {
        t::MessageBoxAnswerer answers({QMessageBox::Yes, QMessageBox::Ok});
        ASSERT_TRUE(t::triggerAction(form.get(), "mnuRestore"));
        ASSERT_EQ(answers.seen().size(), 2U);
        EXPECT_TRUE(answers.seen()[1].text.startsWith("Restored "));
    }
    EXPECT_EQ(dataFiles(folder.path()), before);
    // The record in memory is the restored one, so the next save cannot undo the restore.
    EXPECT_EQ(ctx.ledger.rows[0].Gross, readEmployeeBooks(folder.path(), name).rows[0].Gross);

    // The spoiled folder was kept in a backup of its own before it was replaced.
    std::vector<std::filesystem::path> kept;
    for (const auto& e : std::filesystem::directory_iterator(folder / "Backups")) {
        if (e.path() != archive) kept.push_back(e.path());
    }
    ASSERT_EQ(kept.size(), 1U);
    t::TempFolder elsewhere;
    restoreBackup(kept[0], elsewhere.path());
    EXPECT_EQ(dataFiles(elsewhere.path()), spoiled);
}

TEST_F(RegisterWindowTest, AnUnreadableOrDeclinedRestoreChangesNothing) {
    const std::filesystem::path archive = folder / "Backups" / "broken.tar.gz";
    writeBackup(folder.path(), archive);
    const auto before = dataFiles(folder.path());
    restoreAnswer = QString::fromStdString(archive.string());
    {
        t::MessageBoxAnswerer answers({QMessageBox::No});
        ASSERT_TRUE(t::triggerAction(form.get(), "mnuRestore"));
        ASSERT_EQ(answers.seen().size(), 1U);
        EXPECT_TRUE(answers.seen()[0].text.startsWith("Restore the "))
            << answers.seen()[0].text.toStdString();
    }
    std::filesystem::resize_file(archive, std::filesystem::file_size(archive) / 2);
    {
        t::MessageBoxAnswerer answers({QMessageBox::Ok});
        ASSERT_TRUE(t::triggerAction(form.get(), "mnuRestore"));
        ASSERT_EQ(answers.seen().size(), 1U);
        EXPECT_TRUE(answers.seen()[0].text.contains("broken.tar.gz"))
            << answers.seen()[0].text.toStdString();
    }
    EXPECT_EQ(dataFiles(folder.path()), before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder / "Backups"),
                            std::filesystem::directory_iterator{}),
              1);
}

}  // namespace
}  // namespace corvanta::ui
