#include "ui/ledger_window.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <cstdlib>

#include "base/core/numeric_text.h"
#include "session/ytd/ledger_file.h"
#include "session/ytd/ledger_ops.h"
#include "support/payroll_fixture.h"
#include "support/pdf_text.h"
#include "ui/ledger_columns.h"
#include "ui_support.h"

namespace corvanta::ui {
namespace {

using corvanta::testing::havePdfToText;
using corvanta::testing::pdfText;

using corvanta::testing::MessageBoxAnswerer;

// The control names of one grid row with the texts the engine keeps for them.
std::vector<std::pair<QString, std::string>> namedTexts(const LedgerGridRow& g, int row) {
    const QString n = QString::number(row);
    std::vector<std::pair<QString, std::string>> out{{"txtDate" + n, g.txtDate}};
    for (int k = 0; k < kLedgerTaxCells; ++k) {
        out.emplace_back(QString("txt") + ledger_columns::kTaxStems[k] + n, g.taxCells[k]);
    }
    out.emplace_back("txtOT" + n, g.txtOT);
    out.emplace_back("txtTips" + n, g.txtTips);
    out.emplace_back("txtNet" + n, g.grossText);
    out.emplace_back("txtGross" + n, g.netText);
    return out;
}

class LedgerWindowTest : public corvanta::testing::PayrollFixture {
  protected:
    void SetUp() override {
        PayrollFixture::SetUp();
        ctx.durableWrites = false;
        ctx.window.txtWeek = "1/4/2008";
        desktop.choosePrinter = [this](QWidget*, const QString&) -> std::unique_ptr<QPrinter> {
            if (pdfFile.empty()) return nullptr;
            auto printer = std::make_unique<QPrinter>();
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(QString::fromStdString(pdfFile.string()));
            return printer;
        };
        desktop.chooseWorkbookFile = [this](QWidget*, const QString& proposed) {
            proposedWorkbook = proposed;
            return workbookAnswer;
        };
        desktop.openDocument = [this](const QString& file) {
            openedDocuments.push_back(file);
            return viewerPresent;
        };
    }

    LedgerWindow& window() {
        if (!window_) window_ = std::make_unique<LedgerWindow>(ctx, desktop);
        return *window_;
    }
    bool open() { return window().openLedger(); }
    QString text(const QString& name) {
        if (auto* box = window().findChild<QLineEdit*>(name)) return box->text();
        auto* label = window().findChild<QLabel*>(name);
        EXPECT_NE(label, nullptr) << name.toStdString();
        return label != nullptr ? label->text() : QString();
    }
    QLineEdit* box(const QString& name) { return window().findChild<QLineEdit*>(name); }
    void pressRow(int row, Qt::MouseButton button) {
        QTest::mouseClick(window().findChild<QLabel*>(QString("Label2%1").arg(row)), button);
    }
    void trigger(const char* action) { window().findChild<QAction*>(action)->trigger(); }
    void typeInto(const QString& name, const char* keys) {
        QLineEdit* b = box(name);
        b->selectAll();
        QTest::keyClicks(b, keys);
    }
    static double value(const QString& text) { return text.toDouble(); }

    DesktopServices desktop;
    std::filesystem::path pdfFile;  // empty: the printer dialog is cancelled
    QString workbookAnswer;         // empty: the save dialog is cancelled
    QString proposedWorkbook;
    bool viewerPresent = true;
    std::vector<QString> openedDocuments;
    std::unique_ptr<LedgerWindow> window_;
};

TEST_F(LedgerWindowTest, LeftClickOnARowNumberPostsTheLastCalculationIntoThatRow) {
    calculateStraight("40");
    ASSERT_TRUE(open());
    const QString totalBefore = text("txtTotNet");
    PayrollContext reference = ctx;
    PasteMe(reference, 2);

    pressRow(2, Qt::LeftButton);
    for (const auto& [name, expected] : namedTexts(reference.ledger.grid[2], 2)) {
        EXPECT_EQ(text(name).toStdString(), expected) << name.toStdString();
    }
    EXPECT_EQ(text("txtDate2"), "1/4/2008");
    // The cell named txtNet holds the gross pay, txtGross the net pay.
    EXPECT_EQ(text("txtNet2").toStdString(), formatPattern(ctx.result.GrossPay, "#####.00"));
    EXPECT_EQ(text("txtGross2").toStdString(), formatPattern(ctx.result.NetPay, "#####.00"));
    EXPECT_EQ(text("txtDate1"), "");
    // Totals wait for Add.
    EXPECT_EQ(text("txtTotNet"), totalBefore);
}

TEST_F(LedgerWindowTest, PostingAWeekAlreadyPostedAsksFirstNoByDefault) {
    calculateStraight("40");
    ASSERT_TRUE(open());
    pressRow(2, Qt::LeftButton);
    ASSERT_EQ(text("txtDate2"), "1/4/2008");
    {
        const MessageBoxAnswerer answers({QMessageBox::No});
        pressRow(3, Qt::LeftButton);
        ASSERT_EQ(answers.seen().size(), 1U);
        EXPECT_TRUE(answers.seen()[0].text.contains("already posted in row 3"))
            << answers.seen()[0].text.toStdString();
    }
    EXPECT_EQ(text("txtDate3"), "");
    {
        const MessageBoxAnswerer answers({QMessageBox::Yes});
        pressRow(3, Qt::LeftButton);
        EXPECT_EQ(answers.seen().size(), 1U);
    }
    EXPECT_EQ(text("txtDate3"), "1/4/2008");
}

TEST_F(LedgerWindowTest, AddAndUpdateCountEveryPostedRow) {
    calculateStraight("40");
    ASSERT_TRUE(open());
    pressRow(0, Qt::LeftButton);
    ctx.window.txtWeek = "1/11/2008";  // a week posted again would be asked about
    pressRow(3, Qt::LeftButton);
    trigger("mnuAdd");
    const double gross = ctx.result.GrossPay;
    const double net = ctx.result.NetPay;
    EXPECT_NEAR(value(text("txtTotNet")), 2 * gross, 0.005);
    EXPECT_NEAR(value(text("txtTotGross")), 2 * net, 0.005);
    EXPECT_NEAR(value(text("txtTotFed")), 2 * value(text("txtFed0")), 0.005);
    EXPECT_GT(value(text("txtTotSS")), 0);

    ctx.window.txtWeek = "1/18/2008";
    pressRow(5, Qt::LeftButton);
    QTest::mouseClick(window().findChild<QPushButton*>("cmdUpdate"), Qt::LeftButton);
    EXPECT_NEAR(value(text("txtTotNet")), 3 * gross, 0.005);
}

TEST_F(LedgerWindowTest, RightClickZeroesTheRowWeekTextIncluded) {
    calculateStraight("40");
    ASSERT_TRUE(open());
    pressRow(1, Qt::LeftButton);
    ASSERT_EQ(text("txtDate1"), "1/4/2008");
    pressRow(1, Qt::RightButton);
    for (const auto& [name, unused] : namedTexts(ctx.ledger.grid[1], 1)) {
        EXPECT_EQ(text(name), "0") << name.toStdString();
    }
}

TEST_F(LedgerWindowTest, GrossAndNetBoxesTakeOnlyDigitsBlankMinusAndPoint) {
    ASSERT_TRUE(open());
    for (const char* name : {"txtNet0", "txtGross0", "txtTotNet", "txtTotGross"}) {
        box(name)->clear();
        QTest::keyClicks(box(name), "x1a-2.,5 q");
        EXPECT_EQ(text(name), "1-2.5 ") << name;
    }
    EXPECT_EQ(ctx.ledger.grid[0].grossText, "1-2.5 ");
    EXPECT_EQ(ctx.ledger.totalBoxes.totalNetText, "1-2.5 ");
}

TEST_F(LedgerWindowTest, TypedCellsCountInTheirOwnTotals) {
    ASSERT_TRUE(open());
    typeInto("txtNet4", "250");
    typeInto("txtGross4", "200.5");
    typeInto("txtTips4", "12");
    trigger("mnuAdd");
    EXPECT_EQ(text("txtTotNet"), "250.00");
    EXPECT_EQ(text("txtTotGross"), "200.50");
    EXPECT_EQ(text("txtTotTips"), "12.00");
}

TEST_F(LedgerWindowTest, HeadingsStandOverTheCellsTheyDescribe) {
    window();
    ctx.profile.CreditLabel = "Union";
    ASSERT_TRUE(open());
    struct Case {
        const char* heading;
        const char* cell;
    };
    for (const Case& c :
         {Case{"Week", "txtDate0"}, Case{"Gross", "txtNet0"}, Case{"Net", "txtGross0"},
          Case{"Union", "txtMuni0"}, Case{"K-Plan", "txtKplan0"}, Case{"Tips", "txtTips0"}}) {
        QWidget* cell = window().findChild<QWidget*>(c.cell);
        int found = 0;
        for (QLabel* label : window().findChild<QWidget*>("frmYear")->findChildren<QLabel*>()) {
            if (label->text() != c.heading || label->parentWidget() != cell->parentWidget()) {
                continue;
            }
            ++found;
            EXPECT_EQ(label->geometry().center().x(), cell->geometry().center().x()) << c.heading;
        }
        EXPECT_EQ(found, 2) << c.heading << ": above and below the grid";
    }
    QWidget* totals = window().findChild<QWidget*>("frmYearTot");
    const auto captions = totals->findChildren<QLabel*>();
    EXPECT_TRUE(std::any_of(captions.begin(), captions.end(),
                            [](QLabel* l) { return l->text() == "Union"; }));
    for (const auto& [heading, name] : {std::pair{"Gross", "txtTotNet"}, {"Net", "txtTotGross"}}) {
        QWidget* total = totals->findChild<QWidget*>(name);
        EXPECT_TRUE(std::any_of(captions.begin(), captions.end(), [&](QLabel* l) {
            return l->text() == heading &&
                   l->geometry().center().x() == total->geometry().center().x();
        })) << heading;
    }
}

TEST_F(LedgerWindowTest, TheTotalsStripScrollsSidewaysWithTheGrid) {
    ASSERT_TRUE(open());
    window().resize(500, 400);
    QApplication::processEvents();
    QScrollBar* bar =
        window().findChild<QWidget*>("frmYear")->findChild<QScrollArea*>()->horizontalScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    bar->setValue(bar->maximum());
    QApplication::processEvents();
    for (const auto& [cell, total] :
         {std::pair{"txtGross0", "txtTotGross"}, {"txtFed0", "txtTotFed"}}) {
        EXPECT_EQ(box(cell) ? box(cell)->mapTo(&window(), QPoint()).x()
                            : window().findChild<QLabel*>(cell)->mapTo(&window(), QPoint()).x(),
                  box(total)->mapTo(&window(), QPoint()).x())
            << cell;
    }
}

TEST_F(LedgerWindowTest, ClearAllZeroesEveryRowAndTotalWithoutAQuestion) {
    calculateStraight("40");
    ASSERT_TRUE(open());
    pressRow(0, Qt::LeftButton);
    ctx.window.txtWeek = "1/11/2008";
    pressRow(1, Qt::LeftButton);
    trigger("mnuAdd");
    ASSERT_GT(value(text("txtTotNet")), 0);
    trigger("mnuClearAll");
    EXPECT_EQ(text("txtDate0"), "0");
    EXPECT_EQ(text("txtNet1"), "0");
    EXPECT_EQ(text("txtTotNet"), ".00");
    EXPECT_EQ(text("txtTotSdi"), ".00");
    EXPECT_TRUE(window().isVisible());
}

TEST_F(LedgerWindowTest, ATotalThatCannotBeAddedUpIsShownOverTheWindow) {
    ASSERT_TRUE(open());
    typeInto("txtNet0", "999999999999999999999999999999999999999999999");
    MessageBoxAnswerer answerer({QMessageBox::Ok});
    trigger("mnuAdd");
    ASSERT_EQ(answerer.seen().size(), 1u);
    EXPECT_EQ(answerer.seen()[0].text, kLedgerNumberMessage);
    // The engine's notices go back to their previous receiver afterwards.
    EXPECT_TRUE(messages.empty());
    ctx.showMessage({"later"});
    EXPECT_EQ(messages, std::vector<std::string>{"later"});
}

// The number message once, then why nothing was saved; the window stays with its rows.
TEST_F(LedgerWindowTest, SavingATotalThatCannotBeAddedUpTellsItOnceAndKeepsTheFile) {
    ASSERT_TRUE(open());
    typeInto("txtNet0", "999999999999999999999999999999999999999999999");
    MessageBoxAnswerer answerer({QMessageBox::Yes, QMessageBox::Ok, QMessageBox::Ok});
    trigger("mnuClose");
    ASSERT_EQ(answerer.seen().size(), 3u);
    EXPECT_EQ(answerer.seen()[1].text, kLedgerNumberMessage);
    EXPECT_TRUE(answerer.seen()[2].text.contains("was not saved"));
    EXPECT_FALSE(folder.exists("Test.yrw"));
    EXPECT_TRUE(window().isVisible());
}

TEST_F(LedgerWindowTest, CloseWithYesSavesTheLedgerForTheNextOpening) {
    calculateStraight("40");
    ASSERT_TRUE(open());
    pressRow(0, Qt::LeftButton);
    QSignalSpy calculator(&window(), &LedgerWindow::calculatorWanted);
    MessageBoxAnswerer answerer({QMessageBox::Yes});
    trigger("mnuClose");
    ASSERT_EQ(answerer.seen().size(), 1u);
    EXPECT_EQ(answerer.seen()[0].title, "Save?");
    EXPECT_EQ(answerer.seen()[0].text, "     Do you want to save YTD");
    EXPECT_FALSE(window().isVisible());
    EXPECT_EQ(calculator.count(), 0);
    ASSERT_TRUE(folder.exists("Test.yrw"));
    EXPECT_EQ(folder.read("Test.yrw").rfind("\"1/4/2008\",", 0), 0u);

    PayrollContext later = ctx;
    later.ledger = YtdLedger{};
    LedgerWindow reopened(later, desktop);
    ASSERT_TRUE(reopened.openLedger());
    EXPECT_EQ(reopened.findChild<QLabel*>("txtDate0")->text(), "1/4/2008");
    EXPECT_EQ(reopened.findChild<QLineEdit*>("txtTotNet")->text().toStdString(),
              formatPattern(ctx.result.GrossPay, "#####.00"));
}

TEST_F(LedgerWindowTest, CloseWithNoWritesNothingAndWantsTheCalculator) {
    SaveAnnual(ctx);
    const std::string before = folder.read("Test.yrw");
    calculateStraight("40");
    ASSERT_TRUE(open());
    pressRow(0, Qt::LeftButton);
    QSignalSpy calculator(&window(), &LedgerWindow::calculatorWanted);
    MessageBoxAnswerer answerer({QMessageBox::No});
    QTest::mouseClick(window().findChild<QPushButton*>("cmdBack"), Qt::LeftButton);
    EXPECT_EQ(answerer.seen().size(), 1u);
    EXPECT_EQ(folder.read("Test.yrw"), before);
    EXPECT_EQ(calculator.count(), 1);
    EXPECT_FALSE(window().isVisible());
}

TEST_F(LedgerWindowTest, ALedgerThatCannotBeSavedStaysOpen) {
    calculateStraight("40");
    ASSERT_TRUE(open());
    pressRow(0, Qt::LeftButton);
    std::filesystem::create_directory(folder / "Test.yrw");
    MessageBoxAnswerer answerer({QMessageBox::Yes, QMessageBox::Ok});
    trigger("mnuClose");
    ASSERT_EQ(answerer.seen().size(), 2u);
    EXPECT_TRUE(answerer.seen()[1].text.contains("Test.yrw"));
    EXPECT_TRUE(window().isVisible());
    EXPECT_EQ(text("txtDate0"), "1/4/2008");
}

TEST_F(LedgerWindowTest, TheCloseBoxIsRefusedUntilTheProgramDiscardsTheWindow) {
    ASSERT_TRUE(open());
    MessageBoxAnswerer answerer({QMessageBox::Ok});
    EXPECT_FALSE(window().close());
    ASSERT_EQ(answerer.seen().size(), 1u);
    EXPECT_EQ(answerer.seen()[0].text, "USE CLOSE INSTEAD");
    EXPECT_EQ(answerer.seen()[0].buttons, QMessageBox::Ok);
    EXPECT_TRUE(window().isVisible());

    window().discard();
    EXPECT_FALSE(window().isVisible());
    EXPECT_FALSE(folder.exists("Test.yrw"));
}

TEST_F(LedgerWindowTest, ALedgerFileThatCannotBeReadIsShownAndTheWindowStaysHidden) {
    folder.write("Test.yrw", "\"1/4/2008\",abc\r\n");
    MessageBoxAnswerer answerer({QMessageBox::Ok});
    EXPECT_FALSE(open());
    ASSERT_EQ(answerer.seen().size(), 1u);
    EXPECT_TRUE(answerer.seen()[0].text.contains("Test.yrw"));
    EXPECT_FALSE(window().isVisible());
}

TEST_F(LedgerWindowTest, ExcelWritesTheWorkbookWhereTheOperatorChoseAndOpensIt) {
    for (const char* user : {"Test", ""}) {
        ctx.UserFileBase = user;
        const std::string proposed = std::string(*user ? user : "Ledger") + ".xlsx";
        const QString chosen = QString::fromStdString((folder / ("out" + proposed)).string());
        workbookAnswer = chosen;
        openedDocuments.clear();
        ASSERT_TRUE(open());
        trigger("mnuExcel");
        EXPECT_EQ(proposedWorkbook.toStdString(), (folder / proposed).string());
        ASSERT_TRUE(folder.exists("out" + proposed));
        EXPECT_EQ(folder.read("out" + proposed).substr(0, 2), "PK");
        EXPECT_EQ(openedDocuments, std::vector<QString>{chosen});
    }
}

TEST_F(LedgerWindowTest, ExcelSaysWhereTheWorkbookIsWhenNothingOpensIt) {
    workbookAnswer = QString::fromStdString((folder / "year.xlsx").string());
    viewerPresent = false;
    ASSERT_TRUE(open());
    MessageBoxAnswerer answerer({QMessageBox::Ok});
    trigger("mnuExcel");
    ASSERT_EQ(answerer.seen().size(), 1u);
    EXPECT_EQ(answerer.seen()[0].title, "Excel");
    EXPECT_TRUE(answerer.seen()[0].text.contains(workbookAnswer));
    EXPECT_TRUE(folder.exists("year.xlsx"));
}

TEST_F(LedgerWindowTest, ExcelIntoAMissingFolderShowsTheErrorAndOpensNothing) {
    workbookAnswer = QString::fromStdString((folder / "missing" / "year.xlsx").string());
    ASSERT_TRUE(open());
    MessageBoxAnswerer answerer({QMessageBox::Ok});
    trigger("mnuExcel");
    ASSERT_EQ(answerer.seen().size(), 1u);
    EXPECT_TRUE(answerer.seen()[0].text.contains("year.xlsx"));
    EXPECT_TRUE(openedDocuments.empty());
}

TEST_F(LedgerWindowTest, PrintWritesTheLedgerReportOnTheChosenPrinter) {
    calculateStraight("40");
    ASSERT_TRUE(open());
    pressRow(0, Qt::LeftButton);
    trigger("mnuAdd");
    pdfFile = folder / "ledger.pdf";
    trigger("mnuPrint");
    ASSERT_TRUE(folder.exists("ledger.pdf"));
    EXPECT_EQ(folder.read("ledger.pdf").substr(0, 4), "%PDF");
    if (!havePdfToText()) GTEST_SKIP() << "pdftotext is not installed";
    const std::string printed = pdfText(pdfFile);
    for (const char* words : {"Employee:", "Test", "TOTALS", "1/4/2008", "Total Tips:"}) {
        EXPECT_NE(printed.find(words), std::string::npos) << words;
    }
}

TEST_F(LedgerWindowTest, CancelledPrinterAndSaveDialogsWriteNothing) {
    ASSERT_TRUE(open());
    trigger("mnuPrint");
    trigger("mnuExcel");
    for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
        EXPECT_EQ(entry.path().filename(), "Federal08.dtt");
    }
    EXPECT_TRUE(openedDocuments.empty());
    EXPECT_TRUE(window().isVisible());
}

TEST_F(LedgerWindowTest, BiWeeklyPayShowsTwentySixRows) {
    setBiWeekly();
    ASSERT_TRUE(open());
    EXPECT_TRUE(window().findChild<QLabel*>("Label225")->isVisible());
    EXPECT_FALSE(window().findChild<QLabel*>("Label226")->isVisible());
    EXPECT_FALSE(box("txtNet51")->isVisible());

    ctx.profile.frequency = PayFrequency::Weekly;
    ASSERT_TRUE(open());
    EXPECT_TRUE(window().findChild<QLabel*>("Label251")->isVisible());
    EXPECT_TRUE(box("txtNet51")->isVisible());
}

}  // namespace
}  // namespace corvanta::ui
