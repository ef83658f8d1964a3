#include "ui/employee_dialog.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "support/temp_folder.h"
#include "ui/calculator_window.h"
#include "ui_support.h"

namespace corvanta::ui {
namespace {

using corvanta::testing::MessageBoxAnswerer;
using corvanta::testing::ScriptedPrompts;
using corvanta::testing::TempFolder;

class EmployeeDialogTest : public ::testing::Test {
  protected:
    EmployeeDialogTest() : ctx(folder.context()) {
        folder.copyFederalTable();
        form = std::make_unique<CalculatorForm>(ctx, std::make_unique<ScriptedPrompts>());
        dialog = std::make_unique<EmployeeDialog>(
            ctx, [this] { return form->session().saveAs(ctx.UserFileBase); }, form.get());
    }
    QLineEdit* box(const char* name) { return dialog->findChild<QLineEdit*>(name); }
    void save() { QTest::mouseClick(dialog->findChild<QPushButton*>("cmdOk"), Qt::LeftButton); }

    TempFolder folder;
    PayrollContext ctx;
    std::unique_ptr<CalculatorForm> form;
    std::unique_ptr<EmployeeDialog> dialog;
};

TEST_F(EmployeeDialogTest, LoadShowsTheRateOfANewEmployeeAsSevenFifty) {
    EXPECT_EQ(dialog->windowTitle(), "User Info");
    EXPECT_EQ(box("txtHourRate")->text(), "7.5");
    EXPECT_FLOAT_EQ(ctx.profile.HourlyRate, 7.5f);
    EXPECT_EQ(box("txtTax5")->text(), "CrUnion");
    EXPECT_EQ(box("txtName")->text(), "Employee's Name");
    EXPECT_TRUE(dialog->findChild<QRadioButton*>("optWeek")->isChecked());
    EXPECT_TRUE(dialog->findChild<QCheckBox*>("ckKpPer")->isChecked());
}

TEST_F(EmployeeDialogTest, ARateThatIsNotANumberIsRefusedNamingTheBox) {
    box("txtHourRate2")->setText("");
    box("txtName")->setText("Changed");
    MessageBoxAnswerer answerer({QMessageBox::Ok});
    save();
    ASSERT_EQ(answerer.seen().size(), 1u);
    EXPECT_TRUE(answerer.seen()[0].text.contains("Hourly Rate 2"))
        << answerer.seen()[0].text.toStdString();
    EXPECT_EQ(answerer.seen()[0].title, "User Info");
    EXPECT_EQ(ctx.profile.EmployeeName, "Employee's Name");
    EXPECT_FALSE(folder.exists(".use"));
}

// The file would have kept "?" while the window showed the letter until the next Open.
TEST_F(EmployeeDialogTest, ALetterTheFilesCannotHoldIsRefusedNamingTheBoxAndTheLetter) {
    QLineEdit* name = box("txtName");
    name->setFocus();
    name->selectAll();
    // A key whose text is a letter beyond Latin-1, as a Polish keyboard gives it.
    QTest::sendKeyEvent(QTest::Click, name, Qt::Key_unknown, QString::fromUtf8("Ł"),
                        Qt::NoModifier);
    QTest::keyClicks(name, "ukasz");
    ASSERT_EQ(name->text(), QString::fromUtf8("Łukasz"));
    MessageBoxAnswerer answerer({QMessageBox::Ok});
    save();
    ASSERT_EQ(answerer.seen().size(), 1u);
    const std::string text = answerer.seen()[0].text.toStdString();
    EXPECT_NE(text.find("Employee's Name"), std::string::npos) << text;
    EXPECT_NE(text.find("\"Ł\""), std::string::npos) << text;
    EXPECT_EQ(ctx.profile.EmployeeName, "Employee's Name");
    EXPECT_FALSE(folder.exists(".and"));
}

TEST_F(EmployeeDialogTest, RateBoxesTakeOnlyNumericKeys) {
    QLineEdit* rate = box("txtHourRate");
    rate->setFocus();
    rate->selectAll();
    QTest::keyClicks(rate, "1a2,5.5");
    EXPECT_EQ(rate->text(), "125.5");
}

TEST_F(EmployeeDialogTest, SavingBiWeeklyChangesTheTableNoticeAndWritesTheFiles) {
    dialog->findChild<QRadioButton*>("optBiWeek")->setChecked(true);
    box("txtHourRate")->setText("15");
    box("txtMuni")->setText("12.5xyz");
    box("txtTax5")->setText("Credit U");
    save();
    form->showContext();  // as the window does when the modal dialog returns
    EXPECT_EQ(form->findChild<QLabel*>("lbTableNotice")->text(), "Bi-Weekly Tax Tables");
    EXPECT_EQ(form->findChild<QLabel*>("lbTaxTag5")->text(), "Credit U");
    EXPECT_FLOAT_EQ(ctx.profile.HourlyRate, 15);
    EXPECT_FLOAT_EQ(ctx.profile.CreditDeduction, 12.5f);
    EXPECT_TRUE(folder.exists(".use"));
    EXPECT_TRUE(folder.exists(".ovb"));
    EXPECT_TRUE(folder.exists(".sta"));
}

TEST_F(EmployeeDialogTest, KPlanBoxesExcludeEachOther) {
    dialog->show();
    QTest::mouseClick(dialog->findChild<QCheckBox*>("ckKpFix"), Qt::LeftButton);
    EXPECT_TRUE(dialog->findChild<QCheckBox*>("ckKpFix")->isChecked());
    EXPECT_FALSE(dialog->findChild<QCheckBox*>("ckKpPer")->isChecked());
}

}  // namespace
}  // namespace corvanta::ui
