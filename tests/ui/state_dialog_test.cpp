#include "ui/state_dialog.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "session/state/state_withholding.h"
#include "support/temp_folder.h"
#include "ui/calculator_window.h"
#include "ui_support.h"

namespace corvanta::ui {
namespace {

using corvanta::testing::MessageBoxAnswerer;
using corvanta::testing::ScriptedPrompts;
using corvanta::testing::TempFolder;

class StateDialogTest : public ::testing::Test {
  protected:
    StateDialogTest() : ctx(folder.context()) {
        folder.copyFederalTable();
        form = std::make_unique<CalculatorForm>(ctx, std::make_unique<ScriptedPrompts>());
        form->show();
        form->openStateDialog();
        dialog = form->findChild<StateDialog*>("DialogState");
    }
    QCheckBox* check(const char* name) { return dialog->findChild<QCheckBox*>(name); }
    QLineEdit* cell(const QString& name) { return dialog->findChild<QLineEdit*>(name); }
    void press(const char* name) { QTest::mouseClick(check(name), Qt::LeftButton); }

    TempFolder folder;
    PayrollContext ctx;
    std::unique_ptr<CalculatorForm> form;
    QPointer<StateDialog> dialog;
};

TEST_F(StateDialogTest, ShowsTheNewYorkTableOfANewEmployee) {
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), "Biweekly State Tax");
    EXPECT_EQ(cell("txtStatePerBS0")->text(), "0.04");
    EXPECT_EQ(cell("txtStateMinBM7")->text(), "5769");
    EXPECT_EQ(cell("txtStateSgExp9")->text(), "614.8");
    EXPECT_TRUE(ctx.loaded.stateDialog);
    EXPECT_FALSE(check("ckSpouse")->isVisible());
}

TEST_F(StateDialogTest, SelectingAMethodClearsTheOthersAndSetsRoundState) {
    press("ckNoStateTax");
    EXPECT_TRUE(check("ckNoStateTax")->isChecked());
    EXPECT_EQ(cell("txtStateMinBS0")->text(), "999999");
    press("ckNC");
    EXPECT_TRUE(check("ckNC")->isChecked());
    EXPECT_TRUE(check("ckRoundOff")->isChecked());
    EXPECT_FALSE(check("ckNoStateTax")->isChecked());
    press("ckOregon");
    EXPECT_TRUE(check("ckOregon")->isChecked());
    EXPECT_FALSE(check("ckNC")->isChecked());
    EXPECT_FALSE(check("ckRoundOff")->isChecked());
    EXPECT_EQ(ctx.stateDialog.methodBox(StateMethodId::Oregon), 1);
}

TEST_F(StateDialogTest, MissouriOffersSpouseWorksAndLabelsTheAllowances) {
    press("ckMissouri");
    EXPECT_TRUE(check("ckMissouri")->isChecked());
    EXPECT_TRUE(check("ckSpouse")->isVisible());
    EXPECT_TRUE(check("ckRoundOff")->isChecked());
    EXPECT_EQ(dialog->findChild<QLabel*>("Label15")->text(), "W4 Allowance");
    EXPECT_FALSE(cell("txtStateMinBS0")->isEnabled());
    press("ckAlabama");
    EXPECT_FALSE(check("ckSpouse")->isVisible());
    EXPECT_FALSE(cell("txtStateSgExp0")->isEnabled());
    EXPECT_EQ(cell("txtStateSgExp0")->text(), "0");
}

TEST_F(StateDialogTest, UtahTellsWhichRuleThePayDateSelects) {
    QLabel* rule = dialog->findChild<QLabel*>("lbStateRule");
    EXPECT_FALSE(rule->isVisible());
    ctx.window.txtWeek = "1/25/2008";
    press("ckUtah");
    EXPECT_TRUE(rule->isVisible());
    EXPECT_EQ(rule->text(), "Utah: wages paid before 2/1/2008 are withheld by this table.");
    press("ckWiscon");
    EXPECT_FALSE(rule->isVisible());
}

TEST_F(StateDialogTest, TheKeyboardSelectsAMethodToo) {
    check("ckIowa")->setFocus();
    QTest::keyClick(check("ckIowa"), Qt::Key_Space);
    EXPECT_TRUE(check("ckIowa")->isChecked());
    EXPECT_EQ(dialog->findChild<QLabel*>("Label14")->text(), "Standard");
    EXPECT_FALSE(dialog->findChild<QLabel*>("Label21")->isVisibleTo(dialog));
}

TEST_F(StateDialogTest, CellsTakeOnlyNumericKeysAndSaveRefusesANonNumber) {
    QLineEdit* c = cell("txtStateAmtBS1");
    c->setFocus();
    c->selectAll();
    QTest::keyClicks(c, "1x-2");
    EXPECT_EQ(c->text(), "1-2");
    EXPECT_EQ(ctx.stateDialog.txtStateAmtBS[1].text, "1-2");
    MessageBoxAnswerer answerer({QMessageBox::Ok});
    QTest::mouseClick(dialog->findChild<QPushButton*>("OKButton"), Qt::LeftButton);
    ASSERT_EQ(answerer.seen().size(), 1u);
    EXPECT_EQ(answerer.seen()[0].text, "You have entered a NON numerial.");
    EXPECT_EQ(answerer.seen()[0].icon, QMessageBox::Warning);
    EXPECT_FALSE(folder.exists(".sta"));
    EXPECT_NE(dialog, nullptr);
}

TEST_F(StateDialogTest, ClearAllThenSaveWritesUnusedLines) {
    QTest::mouseClick(dialog->findChild<QPushButton*>("cmdClearAll"), Qt::LeftButton);
    EXPECT_EQ(cell("txtStateMinBM3")->text(), "999999");
    QTest::mouseClick(dialog->findChild<QPushButton*>("OKButton"), Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_EQ(dialog, nullptr);
    const std::string sta = folder.read(".sta");
    EXPECT_EQ(sta.substr(0, sta.find("\r\n")), "999999,0,0,999999,0,0");
}

TEST_F(StateDialogTest, ACalculationUsesTheValuesTakenOverThenClosesTheDialog) {
    QLineEdit* c = cell("txtStatePerBS0");
    c->setFocus();
    c->selectAll();
    QTest::keyClicks(c, "0.5");  // not saved: the calculation does not see it
    form->findChild<QLineEdit*>("txtAmount0")->setText("10");
    form->calculate();
    QApplication::processEvents();
    EXPECT_EQ(dialog, nullptr);
    EXPECT_FLOAT_EQ(ctx.state.SingleTable[0].Percent, 0.04f);
}

}  // namespace
}  // namespace corvanta::ui
