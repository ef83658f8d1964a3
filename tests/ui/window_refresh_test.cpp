// The calculator window and the windows beside it show the one record: hours typed are never
// thrown away by a dialog, and every window follows New, a calculation and a dialog's commit.
#include <gtest/gtest.h>

#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "modal_dialog.h"
#include "session/print/amount_words.h"
#include "support/temp_folder.h"
#include "ui/calculator_window.h"
#include "ui/checks_window.h"
#include "ui/state_dialog.h"
#include "ui_support.h"

namespace corvanta::ui {
namespace {

using corvanta::testing::onNextModalDialog;
using corvanta::testing::ScriptedPrompts;
using corvanta::testing::TempFolder;
using corvanta::testing::triggerAction;

class WindowRefreshTest : public ::testing::Test {
  protected:
    WindowRefreshTest() : ctx(folder.context()) {
        folder.copyFederalTable();
        auto scripted = std::make_unique<ScriptedPrompts>();
        prompts = scripted.get();
        form = std::make_unique<CalculatorForm>(ctx, std::move(scripted));
        form->show();
        QApplication::setActiveWindow(form.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
    QLineEdit* box(int i) { return form->findChild<QLineEdit*>(QString("txtAmount%1").arg(i)); }
    QRadioButton* option(const char* name) { return form->findChild<QRadioButton*>(name); }
    QString label(const char* name) { return form->findChild<QLabel*>(name)->text(); }
    // Types over the box's text as the operator does: entering a box selects it all.
    void type(int i, const char* text) {
        box(i)->setFocus();
        box(i)->selectAll();
        QTest::keyClicks(box(i), text);
    }
    void calculate() { QTest::mouseClick(form->findChild<QPushButton*>("cmdCal"), Qt::LeftButton); }
    // Forty hours with five overtime hours paid double, calculated; then thirty hours with
    // three overtime hours at (1X) typed and not yet calculated.
    void typeHoursAfterACalculation() {
        type(0, "40");
        type(2, "5");
        QTest::mouseClick(option("opt2x"), Qt::LeftButton);
        calculate();
        ASSERT_EQ(label("Label13"), "$375.00");
        type(0, "30");
        type(2, "3");
        QTest::mouseClick(option("opt1x"), Qt::LeftButton);
    }
    void expectTypedHoursKept() {
        EXPECT_EQ(box(0)->text(), "30");
        EXPECT_EQ(box(2)->text(), "3");
        EXPECT_TRUE(option("opt1x")->isChecked());
        calculate();
        EXPECT_EQ(label("Label13"), "$247.50");  // 30 x 7.50 + 3 x 7.50
    }
    // The pay date as the picker sets it.
    void pickPayDate(const QDate& date) {
        onNextModalDialog("frmDateMain", [date](QDialog* picker) {
            picker->findChild<QDateEdit*>("DTPicker1")->setDate(date);
            picker->reject();
        });
        QTest::mouseClick(form->findChild<QLineEdit*>("txtWeek"), Qt::LeftButton);
    }

    TempFolder folder;
    PayrollContext ctx;
    ScriptedPrompts* prompts = nullptr;
    std::unique_ptr<CalculatorForm> form;
};

class UserInfoClosedBy : public WindowRefreshTest,
                         public ::testing::WithParamInterface<const char*> {};

TEST_P(UserInfoClosedBy, KeepsTheHoursTypedBeforeIt) {
    typeHoursAfterACalculation();
    const QString button = GetParam();
    onNextModalDialog("frmTaxInfo", [button](QDialog* dialog) {
        QTest::mouseClick(dialog->findChild<QPushButton*>(button), Qt::LeftButton);
    });
    QTest::keyClick(box(2), Qt::Key_F2);
    expectTypedHoursKept();
}

INSTANTIATE_TEST_SUITE_P(SaveOrClose, UserInfoClosedBy, ::testing::Values("cmdOk", "Command1"),
                         [](const auto& info) { return std::string(info.param); });

TEST_F(WindowRefreshTest, MakeDefaultKeepsTheHoursTypedBeforeIt) {
    typeHoursAfterACalculation();
    ASSERT_TRUE(triggerAction(form.get(), "mnuState"));
    auto* dialog = form->findChild<StateDialog*>("DialogState");
    ASSERT_NE(dialog, nullptr);
    QTest::mouseClick(dialog->findChild<QPushButton*>("cmdMkDefault"), Qt::LeftButton);
    expectTypedHoursKept();
}

TEST_F(WindowRefreshTest, NewShowsTheTableNoticeOfTheNewEmployee) {
    prompts->texts = {std::string("Brown")};
    ASSERT_TRUE(triggerAction(form.get(), "mnuNew"));
    onNextModalDialog("frmTaxInfo", [](QDialog* dialog) {
        QTest::mouseClick(dialog->findChild<QRadioButton*>("optBiWeek"), Qt::LeftButton);
        QTest::mouseClick(dialog->findChild<QPushButton*>("cmdOk"), Qt::LeftButton);
    });
    QTest::keyClick(box(0), Qt::Key_F2);
    ASSERT_EQ(label("lbTableNotice"), "Bi-Weekly Tax Tables");
    prompts->yesNo = {false};
    prompts->texts = {std::string("Carter")};
    ASSERT_TRUE(triggerAction(form.get(), "mnuNew"));
    EXPECT_EQ(label("lbUser"), "Carter");
    EXPECT_EQ(label("lbTableNotice"), "Weekly Tax Tables");
}

TEST_F(WindowRefreshTest, TheCheckWindowFollowsEachCalculation) {
    type(0, "40");
    calculate();
    ASSERT_TRUE(triggerAction(form.get(), "mnuChecks"));
    auto* checks = form->findChild<ChecksWindow*>("frmChecks");
    ASSERT_NE(checks, nullptr);
    auto* date = checks->findChild<QLineEdit*>("txtCheckDate");
    auto* amount = checks->findChild<QLineEdit*>("txtCheckAmt");
    auto* memo = checks->findChild<QLineEdit*>("txtMemo");
    EXPECT_EQ(date->text(), form->findChild<QLineEdit*>("txtWeek")->text());
    const QString firstAmount = amount->text();
    memo->setFocus();
    QTest::keyClicks(memo, "Week one");

    QApplication::setActiveWindow(form.get());
    pickPayDate(QDate(2008, 3, 7));
    type(0, "30");
    calculate();
    EXPECT_EQ(date->text(), "3/7/2008");
    EXPECT_EQ(ctx.check.txtCheckDate, "3/7/2008");
    EXPECT_NE(amount->text(), firstAmount);
    EXPECT_EQ(amount->text().toStdString(), ProtectAmount(ctx));
    EXPECT_EQ(checks->findChild<QLineEdit*>("txtDollars")->text().toStdString(),
              amountInWords(checkAmount(ctx.result)));
    EXPECT_TRUE(memo->text().isEmpty());
    EXPECT_TRUE(ctx.check.txtMemo.empty());
}

TEST_F(WindowRefreshTest, ThePrinterOffsetDialogShowsTheWeekOfTheNextCalculation) {
    type(0, "40");
    calculate();
    ASSERT_TRUE(triggerAction(form.get(), "mnuChecks"));
    auto* checks = form->findChild<ChecksWindow*>("frmChecks");
    ASSERT_TRUE(triggerAction(checks, "mnuPrintCheck"));
    auto* week = checks->findChild<QLabel*>("lbWeek");
    ASSERT_NE(week, nullptr);
    QApplication::setActiveWindow(form.get());
    pickPayDate(QDate(2008, 3, 7));
    calculate();
    EXPECT_EQ(week->text(), "3/7/2008");
}

TEST_F(WindowRefreshTest, ClearLeavesNoOldAmountOnTheCheckOrTheOvertimeSheet) {
    type(0, "40");
    type(3, "2");
    calculate();
    ASSERT_TRUE(triggerAction(form.get(), "mnuChecks"));
    ASSERT_TRUE(triggerAction(form.get(), "mnuOtItem"));
    auto* amount =
        form->findChild<ChecksWindow*>("frmChecks")->findChild<QLineEdit*>("txtCheckAmt");
    auto* sheetOvertime = form->findChild<QWidget*>("Form2")->findChild<QLabel*>("lb_OT");
    ASSERT_FALSE(sheetOvertime->text().isEmpty());
    QApplication::setActiveWindow(form.get());
    QTest::mouseClick(form->findChild<QPushButton*>("cmdClear"), Qt::LeftButton);
    EXPECT_EQ(amount->text().toStdString(), ProtectAmount(ctx));
    EXPECT_EQ(amount->text(), "000000.00");
    EXPECT_TRUE(sheetOvertime->text().isEmpty());
}

}  // namespace
}  // namespace corvanta::ui
