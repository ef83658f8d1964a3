#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QImageReader>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTimer>

#include "base/core/program_info.h"
#include "support/case_names.h"
#include "support/temp_folder.h"
#include "ui/calculator_window.h"
#include "ui/help_window.h"
#include "ui/installed_files.h"
#include "ui/print_file_name.h"

namespace corvanta::ui {
namespace {

using corvanta::testing::TempFolder;

struct NameCase {
    const char* name;
    const char* employeeName;
    const char* base;
    const char* week;
    const char* printout;
    const char* expected;
};

void PrintTo(const NameCase& c, std::ostream* os) { *os << c.name; }

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
    ::testing::Values(
        NameCase{"employee_stub", "Jane Doe", "Doe", "2/8/2008", "stub",
                 "Jane Doe stub 2-8-2008.pdf"},
        // The placeholder name of a new profile gives way to the file name.
        NameCase{"placeholder_gives_way_to_file_name", nullptr, "Smith", "12/26/2008", "check",
                 "Smith check 12-26-2008.pdf"},
        NameCase{"blank_name_ledger", "  ", "", "1/4/2008", "ledger", "ledger 1-4-2008.pdf"},
        // Nothing in a name may lead the file out of the folder.
        NameCase{"path_in_name", "../A/B", "", "1/4/2008", "stub", "..-A-B stub 1-4-2008.pdf"},
        NameCase{"quotes_and_colon_in_name", "Ann \"Q\" Lee:", "", "", "overtime",
                 "Ann Q Lee overtime.pdf"}),
    testing::CaseName());

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

struct PictureCase {
    const char* page;
    int windowWidth;
};

void PrintTo(const PictureCase& c, std::ostream* os) { *os << c.page << " " << c.windowWidth; }

class HelpPictureTest : public ::testing::TestWithParam<PictureCase> {};

// Every picture of the page fits the pane it is shown in, keeping its proportions, and is never
// shown larger than it was taken.
TEST_P(HelpPictureTest, PicturesFitThePaneWidth) {
    const PictureCase& c = GetParam();
    HelpWindow help(installedHelpFolder());
    help.resize(c.windowWidth, 600);
    help.show();
    help.showPage(c.page);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&help));
    QApplication::processEvents();
    auto* browser = help.findChild<QTextBrowser*>("helpBrowser");
    const int pane = browser->viewport()->width();
    int pictures = 0;
    for (QTextBlock block = browser->document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextImageFormat image = it.fragment().charFormat().toImageFormat();
            if (!image.isValid()) continue;
            ++pictures;
            const QSize taken = QImageReader(installedHelpFolder() + "/" + image.name()).size();
            ASSERT_TRUE(taken.isValid()) << image.name().toStdString();
            const double width = image.width() > 0 ? image.width() : taken.width();
            const double height = image.height() > 0 ? image.height() : taken.height();
            EXPECT_LE(width, pane) << image.name().toStdString();
            EXPECT_LE(width, taken.width()) << image.name().toStdString();
            EXPECT_NEAR(width / height, double(taken.width()) / taken.height(), 0.02)
                << image.name().toStdString();
        }
    }
    EXPECT_GT(pictures, 0) << c.page;
}

INSTANTIATE_TEST_SUITE_P(Pages, HelpPictureTest,
                         ::testing::Values(PictureCase{"ledger.html", 700},
                                           PictureCase{"calculator-window.html", 940},
                                           PictureCase{"employee-list.html", 700},
                                           PictureCase{"printing.html", 1600}),
                         [](const auto& info) {
                             std::string name = info.param.page;
                             name = name.substr(0, name.find('.'));
                             std::erase(name, '-');
                             return name + "_" + std::to_string(info.param.windowWidth);
                         });

TEST(AboutBox, ShowsTheProgramsVersionAndMaker) {
    TempFolder folder;
    folder.copyFederalTable();
    PayrollContext ctx = folder.context();
    CalculatorForm form(ctx);
    form.show();
    QString text;
    // Whatever box comes up is read and closed, so a box of another name fails the test
    // rather than waiting for a click.
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&text] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            text = box->text();
            box->done(QMessageBox::Ok);
        }
    });
    poll.start(10);
    form.findChild<QAction*>("mnuAboutItem")->trigger();
    EXPECT_TRUE(text.contains(QString("Version ") + kProgramVersion)) << text.toStdString();
    EXPECT_TRUE(text.contains(kMakerNameCaps)) << text.toStdString();
}

}  // namespace
}  // namespace corvanta::ui
