// A clerk opening one employee after another in the window prints, for each, the stub and
// check that a fresh command-line process prints for her.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>

#include "support/cli_runner.h"
#include "support/employee_folder.h"
#include "support/pdf_text.h"
#include "ui/calculator_window.h"
#include "ui_support.h"

namespace corvanta::ui {
namespace {

namespace t = corvanta::testing;

class EmployeeSequence : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!t::havePdfToText()) GTEST_SKIP() << "pdftotext is not installed";
        folder.copyFederalTable();
        employees = t::EmployeeFolderMaker(7).make(folder.path(), 6);
        ctx = folder.context();
        auto owned = std::make_unique<t::ScriptedPrompts>();
        prompts = owned.get();
        form = std::make_unique<CalculatorForm>(ctx, std::move(owned));
        form->show();
        form->desktop().choosePrinter = [this](QWidget*, const QString&) {
            return t::pdfPrinter(pdf);
        };
    }
    void TearDown() override { form.reset(); }

    void trigger(QWidget* owner, const char* name) {
        ASSERT_TRUE(t::triggerAction(owner, name)) << name;
    }
    static QWidget* topLevel(const char* name) { return t::visibleTopLevel(name); }

    void openAndCalculate(const std::string& name, const char* hours) {
        prompts->files = {folder / (name + ".use")};
        form->openEmployee();
        ASSERT_EQ(ctx.UserFileBase, name);
        form->findChild<QLineEdit*>("txtAmount0")->setText(hours);
        form->findChild<QLineEdit*>("txtWeek")->setText("1/5/2008");
        form->findChild<QPushButton*>("cmdCal")->click();
    }

    // The window's printout, as text, carries every line of the fresh process's rendering.
    void expectSameAsAlone(const std::string& name, const std::string& printout,
                           const char* hours) {
        const t::CliResult alone =
            t::runCli({printout, "--text", "--dir", folder.path().string(), "--user", name,
                       "--straight", hours, "--week", "1/5/2008"});
        ASSERT_EQ(alone.exitCode, 0) << alone.err;
        ASSERT_TRUE(std::filesystem::exists(pdf)) << printout;
        EXPECT_EQ(t::firstLineMissingFromPdf(alone.out, t::pdfText(pdf, "-layout")), "")
            << name << " " << printout;
    }

    t::TempFolder folder;
    std::vector<std::string> employees;
    PayrollContext ctx;
    t::ScriptedPrompts* prompts = nullptr;
    std::unique_ptr<CalculatorForm> form;
    std::filesystem::path pdf;
};

TEST_F(EmployeeSequence, StubAndCheckOfEachAreWhatAFreshProcessPrints) {
    const std::vector<std::pair<int, const char*>> visits{
        {0, "40"}, {3, "80"}, {1, "12.5"}, {5, "40"}, {2, "80"}, {4, "40"}, {0, "12.5"}};
    int printed = 0;
    for (const auto& [index, hours] : visits) {
        const std::string& name = employees[index];
        SCOPED_TRACE(name);
        openAndCalculate(name, hours);
        pdf = folder / ("stub" + std::to_string(++printed) + ".pdf");
        trigger(form.get(), "mnuPrintSheetItem");
        expectSameAsAlone(name, "stub", hours);

        trigger(form.get(), "mnuChecks");
        QWidget* checks = topLevel("frmChecks");
        ASSERT_NE(checks, nullptr);
        trigger(checks, "mnuPrintCheck");
        QWidget* offsets = topLevel("dlgPrintSet");
        ASSERT_NE(offsets, nullptr);
        pdf = folder / ("check" + std::to_string(printed) + ".pdf");
        offsets->findChild<QPushButton*>("OKButton")->click();
        expectSameAsAlone(name, "check", hours);
        checks->close();
        if (HasFailure()) return;
    }
    EXPECT_TRUE(prompts->messages.empty()) << prompts->messages.front().text;
}

}  // namespace
}  // namespace corvanta::ui
