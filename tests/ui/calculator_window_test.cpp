#include "ui/calculator_window.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "session/core/calculate.h"
#include "session/files/open_employee.h"
#include "support/cli_runner.h"
#include "support/temp_folder.h"
#include "ui/numeric_key_filter.h"
#include "ui_support.h"

namespace corvanta::ui {
namespace {

using corvanta::testing::MessageBoxAnswerer;
using corvanta::testing::ScriptedPrompts;
using corvanta::testing::TempFolder;

std::string today() { return QDate::currentDate().toString("M/d/yyyy").toStdString(); }

class CalculatorWindowTest : public ::testing::Test {
  protected:
    CalculatorWindowTest() : ctx(folder.context()) { folder.copyFederalTable(); }

    CalculatorForm& form() {
        if (!form_) {
            auto scripted = std::make_unique<ScriptedPrompts>();
            prompts = scripted.get();
            form_ = std::make_unique<CalculatorForm>(ctx, std::move(scripted));
            form_->show();
        }
        return *form_;
    }
    QLineEdit* box(int i) { return form().findChild<QLineEdit*>(QString("txtAmount%1").arg(i)); }
    QString label(const char* name) { return form().findChild<QLabel*>(name)->text(); }
    void click(const char* name) {
        QTest::mouseClick(form().findChild<QPushButton*>(name), Qt::LeftButton);
    }

    TempFolder folder;
    PayrollContext ctx;
    ScriptedPrompts* prompts = nullptr;
    std::unique_ptr<CalculatorForm> form_;
};

TEST_F(CalculatorWindowTest, EntryBoxesTakeOnlyDigitsBlankMinusAndPoint) {
    QLineEdit* b = box(0);
    b->setFocus();
    QTest::keyClicks(b, "a1b2.5-x 7");
    EXPECT_EQ(b->text(), "12.5- 7");
    QTest::keyClick(b, Qt::Key_Backspace);
    EXPECT_EQ(b->text(), "12.5- ");
    EXPECT_TRUE(isNumericKeyText("0123456789 -."));
    EXPECT_FALSE(isNumericKeyText("+"));
    EXPECT_FALSE(isNumericKeyText(","));
}

TEST_F(CalculatorWindowTest, EnterUpAndDownMoveBetweenTheBoxes) {
    QApplication::setActiveWindow(&form());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form()));
    box(0)->setFocus();
    QTest::keyClick(box(0), Qt::Key_Up);
    EXPECT_TRUE(box(0)->hasFocus());
    QTest::keyClick(box(0), Qt::Key_Return);
    EXPECT_TRUE(box(1)->hasFocus());
    QTest::keyClick(box(1), Qt::Key_Down);
    EXPECT_TRUE(box(2)->hasFocus());
    box(7)->setFocus();
    QTest::keyClick(box(7), Qt::Key_Down);
    EXPECT_TRUE(box(7)->hasFocus());
    QTest::keyClick(box(7), Qt::Key_Enter);
    EXPECT_TRUE(box(0)->hasFocus());
    QTest::keyClick(box(0), Qt::Key_Down);
    QTest::keyClick(box(1), Qt::Key_Up);
    EXPECT_TRUE(box(0)->hasFocus());
}

TEST_F(CalculatorWindowTest, StartsWithTodayTheTableVersionAndTheDefaultCaption) {
    EXPECT_EQ(form().windowTitle(), "QUORVELL SOFTWARE");
    EXPECT_EQ(label("lbUser"), "USER");
    EXPECT_EQ(form().findChild<QLineEdit*>("txtWeek")->text().toStdString(), today());
    EXPECT_FALSE(label("lbTaxVer").isEmpty());
    EXPECT_EQ(label("lbTableNotice"), "Weekly Tax Tables");
    EXPECT_EQ(label("lbTaxTag5"), "CrUnion");
    EXPECT_EQ(label("Label13"), "");
    // Nothing is written at start: the default group on disk stays as it was.
    EXPECT_FALSE(folder.exists(".use"));
}

TEST_F(CalculatorWindowTest, EveryMenuEntryAndButtonIsEnabled) {
    for (const char* name :
         {"mnuNew", "mnuOpen", "mnuSave", "mnuChecks", "mnuPrintSheetItem", "mnuPrintItem",
          "mnuClearIitem", "mnuExitItem", "mnuVac", "mnuOtItem", "mnuYear", "mnuHeader",
          "mnuTaxInfoItem", "mnuState", "mnuCity", "mnuNonCity", "mnuHelpItem", "mnuAboutItem"}) {
        auto* action = form().findChild<QAction*>(name);
        ASSERT_NE(action, nullptr) << name;
        EXPECT_TRUE(action->isEnabled()) << name;
    }
    EXPECT_EQ(form().findChild<QAction*>("mnuExitItem")->text(), "E&xit");
    for (const char* name : {"cmdYear", "cmdOT", "Command1", "cmdPrint", "cmdCal", "cmdClear"}) {
        EXPECT_TRUE(form().findChild<QPushButton*>(name)->isEnabled()) << name;
    }
}

TEST_F(CalculatorWindowTest, CalculateThenClearEmptiesEveryResult) {
    QTest::keyClicks(box(0), "40");
    click("cmdCal");
    EXPECT_FALSE(label("lbNet").isEmpty());
    EXPECT_FALSE(label("lbTaxDed0").isEmpty());
    form().findChild<QLineEdit*>("txtWeek")->setText("1/5/2008");
    click("cmdClear");
    for (const char* name : {"Label13", "lbNet", "lbTaxes", "lbDeduct", "lbOverT", "lbTips",
                             "lbSDI", "lbSUI", "lbCafe"}) {
        EXPECT_EQ(label(name), "") << name;
    }
    for (int i = 0; i < kTaxLines; ++i) {
        EXPECT_EQ(label(QString("lbTaxDed%1").arg(i).toUtf8().constData()), "");
    }
    for (int i = 0; i < kEntryBoxes; ++i) EXPECT_EQ(box(i)->text(), "");
    EXPECT_EQ(form().findChild<QLineEdit*>("txtWeek")->text().toStdString(), today());
}

TEST_F(CalculatorWindowTest, OnlyBoxesWithAmountsKeepTextAfterCalculating) {
    QTest::keyClicks(box(0), "40");
    QTest::keyClicks(box(3), "0");
    click("cmdCal");
    EXPECT_EQ(box(0)->text(), "40");
    for (int i = 1; i < kEntryBoxes; ++i) EXPECT_EQ(box(i)->text(), "") << i;
    EXPECT_TRUE(box(0)->hasFocus() || !form().isActiveWindow());
}

TEST_F(CalculatorWindowTest, AnEntryThatIsNotANumberIsRefusedNamingTheBox) {
    QTest::keyClicks(box(0), "1-2");
    MessageBoxAnswerer answerer({QMessageBox::Ok});
    click("cmdCal");
    ASSERT_EQ(answerer.seen().size(), 1u);
    EXPECT_EQ(answerer.seen()[0].title, "Calculate");
    EXPECT_TRUE(answerer.seen()[0].text.contains("STRAIGHT TIME HOURS 1"));
    EXPECT_EQ(answerer.seen()[0].icon, QMessageBox::Warning);
    EXPECT_EQ(label("lbNet"), "");
    EXPECT_FALSE(folder.exists(".use"));
}

// An employee written by the engine, with deductions and a bi-weekly married status.
void writeSmith(TempFolder& folder) {
    PayrollContext e = folder.context();
    ScriptedPrompts p;
    p.texts = {std::string("Smith")};
    Session session(e, p, [] { return today(); });
    session.New();
    EmployeeProfile& pr = e.profile;
    pr.HourlyRate = 18.25f;
    pr.HourlyRate2 = 21;
    pr.FedStatus = FilingStatus::Married;
    pr.FedExemptions = "2";
    pr.StateStatus = FilingStatus::Married;
    pr.StateExemptions = 1;
    pr.frequency = PayFrequency::BiWeekly;
    pr.KPlanValue = 3;
    pr.CreditDeduction = 12.5f;
    pr.TipsRate = 2;
    SaveUserFiles(e);
}

TEST_F(CalculatorWindowTest, ACalculationThroughTheWindowMatchesTheEngineAndTheCommandLine) {
    writeSmith(folder);
    const std::array<const char*, kEntryBoxes> entries{"80", "4", "1", "3.5", "8", "", "25", "6"};
    PayrollContext reference = folder.context();
    OpenEmployee(reference, "Smith", today());
    for (int i = 0; i < kEntryBoxes; ++i) reference.window.txtAmount[i] = entries[i];
    Calcu_late(reference, CalculateOptions{.save = false});
    const auto cli = corvanta::testing::runCli({"calc",      "--dir",       folder.path().string(),
                                                "--user",    "Smith",       "--straight",
                                                entries[0],  "--straight2", entries[1],
                                                "--ot",      entries[2],    "--ot15",
                                                entries[3],  "--holiday",   entries[4],
                                                "--dollars", entries[6],    "--tips",
                                                entries[7],  "--no-save"});
    ASSERT_EQ(cli.exitCode, 0) << cli.err;
    EXPECT_EQ(cli.label("lbNet"), reference.window.lbNet);
    EXPECT_EQ(cli.label("lbTaxes"), reference.window.lbTaxes);
    EXPECT_EQ(cli.label("Label13"), reference.window.Label13);

    form();
    prompts->files = {folder / "Smith.use"};
    form().openEmployee();
    EXPECT_EQ(form().windowTitle(), "  User:  Smith");
    for (int i = 0; i < kEntryBoxes; ++i) QTest::keyClicks(box(i), entries[i]);
    click("cmdCal");

    const CalculatorWindow& w = reference.window;
    EXPECT_EQ(label("Label13").toStdString(), w.Label13);
    EXPECT_EQ(label("lbNet").toStdString(), w.lbNet);
    EXPECT_EQ(label("lbTaxes").toStdString(), w.lbTaxes);
    EXPECT_EQ(label("lbDeduct").toStdString(), w.lbDeduct);
    EXPECT_EQ(label("lbOverT").toStdString(), w.lbOverT);
    EXPECT_EQ(label("lbTips").toStdString(), w.lbTips);
    EXPECT_EQ(label("lbSDI").toStdString(), w.lbSDI);
    EXPECT_EQ(label("lbSUI").toStdString(), w.lbSUI);
    EXPECT_EQ(label("lbCafe").toStdString(), w.lbCafe);
    for (int i = 0; i < kTaxLines; ++i) {
        EXPECT_EQ(label(QString("lbTaxDed%1").arg(i).toUtf8().constData()).toStdString(),
                  w.lbTaxDed[i])
            << i;
    }
    EXPECT_EQ(label("lbTableNotice"), "Bi-Weekly Tax Tables");
    EXPECT_EQ(form().windowTitle(), "Smith");
    EXPECT_FALSE(w.lbNet.empty());
}

}  // namespace
}  // namespace corvanta::ui
