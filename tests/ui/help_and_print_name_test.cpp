#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QTextBrowser>

#include "support/temp_folder.h"
#include "ui/help_window.h"
#include "ui/installed_files.h"
#include "ui/print_file_name.h"

namespace corvanta::ui {
namespace {

using corvanta::testing::TempFolder;

struct NameCase {
    const char* employeeName;
    const char* base;
    const char* week;
    const char* printout;
    const char* expected;
};

class ProposedPdfTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(ProposedPdfTest, NamesTheEmployeePrintoutAndPeriodInTheWorkingFolder) {
    const NameCase& c = GetParam();
    TempFolder folder;
    PayrollContext ctx = folder.context();
    if (c.employeeName != nullptr) ctx.profile.EmployeeName = c.employeeName;
    ctx.UserFileBase = c.base;
    ctx.window.txtWeek = c.week;
    const QString proposed = proposedPdf(ctx, c.printout);
    EXPECT_EQ(proposed.toStdString(), (folder.path() / c.expected).string());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProposedPdfTest,
    ::testing::Values(NameCase{"Jane Doe", "Doe", "2/8/2008", "stub", "Jane Doe stub 2-8-2008.pdf"},
                      // The placeholder name of a new profile gives way to the file name.
                      NameCase{nullptr, "Smith", "12/26/2008", "check",
                               "Smith check 12-26-2008.pdf"},
                      NameCase{"  ", "", "1/4/2008", "ledger", "ledger 1-4-2008.pdf"},
                      // Nothing in a name may lead the file out of the folder.
                      NameCase{"../A/B", "", "1/4/2008", "stub", "..-A-B stub 1-4-2008.pdf"},
                      NameCase{"Ann \"Q\" Lee:", "", "", "overtime", "Ann Q Lee overtime.pdf"}));

class HelpWindowTest : public ::testing::Test {
  protected:
    HelpWindowTest() : help(installedHelpFolder()) { help.show(); }
    HelpWindow help;
};

TEST_F(HelpWindowTest, ContentsListEveryChapterAndFollowThePageShown) {
    auto* contents = help.findChild<QListWidget*>("helpContentsList");
    ASSERT_GE(contents->count(), 10);
    EXPECT_EQ(contents->item(0)->text(), "Contents");
    help.showPage("ledger.html");
    EXPECT_EQ(help.currentPage(), "ledger.html");
    ASSERT_NE(contents->currentItem(), nullptr);
    EXPECT_EQ(contents->currentItem()->data(Qt::UserRole).toString(), "ledger.html");
}

TEST_F(HelpWindowTest, BackAndForwardRetraceThePagesVisited) {
    auto* browser = help.findChild<QTextBrowser*>("helpBrowser");
    help.showPage("index.html");
    help.showPage("ledger.html");
    help.showPage("printing.html");
    browser->backward();
    EXPECT_EQ(help.currentPage(), "ledger.html");
    browser->backward();
    EXPECT_EQ(help.currentPage(), "index.html");
    browser->forward();
    EXPECT_EQ(help.currentPage(), "ledger.html");
}

TEST_F(HelpWindowTest, SearchGoesOnToTheNextPageHoldingTheText) {
    auto* search = help.findChild<QLineEdit*>("helpSearch");
    help.showPage("index.html");
    search->setText("offsets");
    ASSERT_TRUE(help.findNext());
    EXPECT_EQ(help.currentPage(), "printing.html");
    search->setText("no such words in the manual");
    EXPECT_FALSE(help.findNext());
}

}  // namespace
}  // namespace corvanta::ui
