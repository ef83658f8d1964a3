// The state, city and non-city dialogs show their record after every change, whatever made
// it, and what they show is what is stored.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDate>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <cmath>

#include "modal_dialog.h"
#include "session/core/calculate.h"
#include "session/files/open_employee.h"
#include "session/state/state_file.h"
#include "support/temp_folder.h"
#include "tax/state/state_settings.h"
#include "ui/calculator_window.h"
#include "ui/city_dialog.h"
#include "ui/non_city_dialog.h"
#include "ui/state_dialog.h"
#include "ui_support.h"

namespace corvanta::ui {
namespace {

using corvanta::testing::doubleClick;
using corvanta::testing::onNextModalDialog;
using corvanta::testing::ScriptedPrompts;
using corvanta::testing::TempFolder;
using corvanta::testing::triggerAction;

std::string today() { return QDate::currentDate().toString("M/d/yyyy").toStdString(); }

// The first field of a line of a stored file (lines counted from 1).
std::string field(const std::string& file, int line, int index) {
    std::size_t start = 0;
    for (int n = 1; n < line; ++n) start = file.find("\r\n", start) + 2;
    for (int n = 0; n < index; ++n) start = file.find(',', start) + 1;
    return file.substr(start, file.find_first_of(",\r", start) - start);
}
std::string firstField(const std::string& file, int line) { return field(file, line, 0); }

class SettingsDialogTest : public ::testing::Test {
  protected:
    SettingsDialogTest() : ctx(folder.context()) { folder.copyFederalTable(); }

    void showForm() {
        startWithDefaultGroup(ctx);  // as the program starts
        auto scripted = std::make_unique<ScriptedPrompts>();
        prompts = scripted.get();
        form = std::make_unique<CalculatorForm>(ctx, std::move(scripted));
        form->show();
    }
    template <typename Dialog>
    Dialog* open(const char* action, const char* name) {
        EXPECT_TRUE(triggerAction(form.get(), action));
        return form->findChild<Dialog*>(name);
    }
    static void click(QWidget* dialog, const char* button) {
        QTest::mouseClick(dialog->findChild<QPushButton*>(button), Qt::LeftButton);
        QApplication::processEvents();
    }
    static void typeInto(QWidget* dialog, const char* cell, const char* text) {
        auto* box = dialog->findChild<QLineEdit*>(cell);
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, text);
    }

    // A married, bi-weekly Missouri employee whose spouse works, saved and opened.
    void openMissouriEmployee() {
        {
            PayrollContext e = folder.context();
            ScriptedPrompts p;
            p.texts = {std::string("Moore")};
            Session session(e, p, [] { return today(); });
            session.New();
            e.profile.StateStatus = FilingStatus::Married;
            e.profile.frequency = PayFrequency::BiWeekly;
            e.state.UseMissouri = 1;
            e.state.SpouseWorks = 1;
            SaveUserFiles(e);
        }
        showForm();
        prompts->files = {folder / "Moore.use"};
        ASSERT_TRUE(triggerAction(form.get(), "mnuOpen"));
        ASSERT_EQ(ctx.UserFileBase, "Moore");
    }

    TempFolder folder;
    PayrollContext ctx;
    ScriptedPrompts* prompts = nullptr;
    std::unique_ptr<CalculatorForm> form;
};

// Each press of a double click selects the method once, as two clicks would.
struct DoubleClickCase {
    const char* name;
    bool tickedBefore;
};
void PrintTo(const DoubleClickCase& c, std::ostream* out) { *out << c.name; }

class StateMethodDoubleClick : public SettingsDialogTest,
                               public ::testing::WithParamInterface<DoubleClickCase> {};

TEST_P(StateMethodDoubleClick, TheBoxShowsWhatTheFileStores) {
    showForm();
    auto* dialog = open<StateDialog>("mnuState", "DialogState");
    ASSERT_NE(dialog, nullptr);
    auto* arizona = dialog->findChild<QCheckBox*>("ckAriz");
    if (GetParam().tickedBefore) QTest::mouseClick(arizona, Qt::LeftButton);
    ASSERT_EQ(arizona->isChecked(), GetParam().tickedBefore);
    doubleClick(arizona);
    const bool shown = arizona->isChecked();
    EXPECT_EQ(shown, GetParam().tickedBefore);
    EXPECT_EQ(ctx.stateDialog.methodBox(StateMethodId::Arizona) != 0, shown);
    click(dialog, "OKButton");
    EXPECT_EQ(firstField(folder.read(".sta"), 23), shown ? "1" : "0");
}

INSTANTIATE_TEST_SUITE_P(Arizona, StateMethodDoubleClick,
                         ::testing::Values(DoubleClickCase{"FromUnticked", false},
                                           DoubleClickCase{"FromTicked", true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SettingsDialogTest, AMarriedMissouriEmployeeSeesSpouseWorksAtOnce) {
    openMissouriEmployee();
    auto* dialog = open<StateDialog>("mnuState", "DialogState");
    ASSERT_NE(dialog, nullptr);
    auto* spouse = dialog->findChild<QCheckBox*>("ckSpouse");
    EXPECT_TRUE(dialog->findChild<QCheckBox*>("ckMissouri")->isChecked());
    EXPECT_TRUE(spouse->isChecked());
    EXPECT_TRUE(spouse->isVisible());
    EXPECT_EQ(dialog->findChild<QLineEdit*>("txtStateSgExp0")->text(), "209.62");
    // Unticking it doubles the standard deduction.
    QTest::mouseClick(spouse, Qt::LeftButton);
    EXPECT_EQ(dialog->findChild<QLineEdit*>("txtStateSgExp0")->text(), "419.23");
}

// Missouri's standard deduction follows the pay frequency: saved in User Info, it shows at once
// in the open state dialog, as the next calculation will use it.
TEST_F(SettingsDialogTest, TheOpenStateDialogFollowsUserInfo) {
    openMissouriEmployee();
    auto* dialog = open<StateDialog>("mnuState", "DialogState");
    ASSERT_NE(dialog, nullptr);
    auto* standard = dialog->findChild<QLineEdit*>("txtStateSgExp0");
    ASSERT_EQ(standard->text(), "209.62");
    onNextModalDialog("frmTaxInfo", [](QDialog* info) {
        // On its caption: the button is wider than what a click takes.
        auto* weekly = info->findChild<QRadioButton*>("optWeek");
        QTest::mouseClick(weekly, Qt::LeftButton, {}, QPoint(8, weekly->height() / 2));
        QTest::mouseClick(info->findChild<QPushButton*>("cmdOk"), Qt::LeftButton);
    });
    prompts->saveWindows = {{SaveChoice::Save, "Moore"}};
    ASSERT_TRUE(triggerAction(form.get(), "mnuTaxInfoItem"));
    ASSERT_EQ(ctx.profile.frequency, PayFrequency::Weekly);
    EXPECT_EQ(standard->text(), "104.81");
}

// Every box of the settings dialogs shows its record after a double click and after a click.
struct BoxCase {
    const char* action;
    const char* dialog;
    const char* box;
    int (*stored)(const PayrollContext&);
};
void PrintTo(const BoxCase& c, std::ostream* out) { *out << c.box; }

class SettingsBoxClicks : public SettingsDialogTest,
                          public ::testing::WithParamInterface<BoxCase> {};

TEST_P(SettingsBoxClicks, ShowTheRecordAfterEachClick) {
    showForm();
    ASSERT_TRUE(triggerAction(form.get(), GetParam().action));
    auto* dialog = form->findChild<QDialog*>(GetParam().dialog);
    ASSERT_NE(dialog, nullptr);
    auto* box = dialog->findChild<QCheckBox*>(GetParam().box);
    ASSERT_NE(box, nullptr);
    doubleClick(box);
    EXPECT_EQ(box->isChecked(), GetParam().stored(ctx) != 0) << "after a double click";
    QTest::mouseClick(box, Qt::LeftButton);
    EXPECT_EQ(box->isChecked(), GetParam().stored(ctx) != 0) << "after a click";
}

INSTANTIATE_TEST_SUITE_P(
    EveryKind, SettingsBoxClicks,
    ::testing::Values(BoxCase{"mnuState", "DialogState", "ckMissouri",
                              [](const PayrollContext& c) {
                                  return c.stateDialog.methodBox(StateMethodId::Missouri);
                              }},
                      BoxCase{"mnuState", "DialogState", "ckNC",
                              [](const PayrollContext& c) {
                                  return c.stateDialog.methodBox(StateMethodId::NC);
                              }},
                      BoxCase{"mnuState", "DialogState", "ckNoStateTax",
                              [](const PayrollContext& c) { return c.stateDialog.ckNoStateTax; }},
                      BoxCase{"mnuState", "DialogState", "ckRoundOff",
                              [](const PayrollContext& c) { return c.stateDialog.ckRoundOff; }},
                      BoxCase{"mnuState", "DialogState", "ckSDI",
                              [](const PayrollContext& c) { return c.stateDialog.ckSDI; }},
                      BoxCase{"mnuCity", "DialogCity", "ckNoLocalTax",
                              [](const PayrollContext& c) { return c.cityDialog.ckNoLocalTax; }}),
    [](const auto& info) { return std::string(info.param.box); });

// What follows an unsaved change in the state dialog: a calculation, which pays and stores the
// employee's settings as saved, or "SAVE", which stores the change.
struct ClosingCase {
    const char* name;
    bool saved;
};
void PrintTo(const ClosingCase& c, std::ostream* out) { *out << c.name; }

// "Get Default" fills the dialog; the employee takes the default settings with "SAVE" only.
class GetDefaultThen : public SettingsDialogTest,
                       public ::testing::WithParamInterface<ClosingCase> {};

TEST_P(GetDefaultThen, TheEmployeeKeepsHerSettingsUntilSave) {
    StateSettings defaults;
    defaults.SingleTable = defaults.MarriedTable = NewYorkDefaults::table();
    defaults.UseKentucky = 1;
    EmployeeProfile defaultProfile;
    defaultProfile.StateExemptions = 3;
    defaultProfile.StateStatus = FilingStatus::Married;
    showForm();
    prompts->texts = {std::string("Dale")};
    ASSERT_TRUE(triggerAction(form.get(), "mnuNew"));
    // Made after her New, which would otherwise have started her from it.
    folder.write(".sta", formatStateFile(defaults, defaultProfile));
    auto* dialog = open<StateDialog>("mnuState", "DialogState");
    ASSERT_NE(dialog, nullptr);
    click(dialog, "cmdGetDefault");
    EXPECT_TRUE(dialog->findChild<QCheckBox*>("ckKentucky")->isChecked());
    if (GetParam().saved) {
        click(dialog, "OKButton");
    } else {
        auto* hours = form->findChild<QLineEdit*>("txtAmount0");
        hours->setFocus();
        QTest::keyClicks(hours, "40");
        click(form.get(), "cmdCal");
    }
    const std::string stored = folder.read("Dale.sta");
    EXPECT_EQ(field(stored, 23, 9), GetParam().saved ? "1" : "0") << "UseKentucky";
    EXPECT_EQ(field(stored, 23, 3), GetParam().saved ? "3" : "0") << "StateExemptions";
    EXPECT_EQ(ctx.state.UseKentucky, GetParam().saved ? 1 : 0);
    EXPECT_EQ(ctx.profile.StateExemptions, GetParam().saved ? 3 : 0);
}

INSTANTIATE_TEST_SUITE_P(StateDialog, GetDefaultThen,
                         ::testing::Values(ClosingCase{"Calculate", false},
                                           ClosingCase{"Save", true}),
                         [](const auto& info) { return std::string(info.param.name); });

class NoStateTaxThen : public SettingsDialogTest,
                       public ::testing::WithParamInterface<ClosingCase> {};

TEST_P(NoStateTaxThen, IsStoredBySaveOnly) {
    showForm();
    prompts->texts = {std::string("Nora")};
    ASSERT_TRUE(triggerAction(form.get(), "mnuNew"));
    auto* dialog = open<StateDialog>("mnuState", "DialogState");
    ASSERT_NE(dialog, nullptr);
    QTest::mouseClick(dialog->findChild<QCheckBox*>("ckNoStateTax"), Qt::LeftButton);
    if (GetParam().saved) {
        click(dialog, "OKButton");
    } else {
        auto* hours = form->findChild<QLineEdit*>("txtAmount0");
        hours->setFocus();
        QTest::keyClicks(hours, "40");
        click(form.get(), "cmdCal");
    }
    EXPECT_EQ(firstField(folder.read("Nora.sta"), 11), GetParam().saved ? "1" : "0");
    dialog = open<StateDialog>("mnuState", "DialogState");
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->findChild<QCheckBox*>("ckNoStateTax")->isChecked(), GetParam().saved);
}

INSTANTIATE_TEST_SUITE_P(StateDialog, NoStateTaxThen,
                         ::testing::Values(ClosingCase{"Calculate", false},
                                           ClosingCase{"Save", true}),
                         [](const auto& info) { return std::string(info.param.name); });

// Missouri's setter tries the method once; the figures of the last calculation, which the
// window shows and the stub prints, stay as calculated.
TEST_F(SettingsDialogTest, TryingMissouriLeavesTheLastCalculationAlone) {
    showForm();
    auto* hours = form->findChild<QLineEdit*>("txtAmount0");
    hours->setFocus();
    QTest::keyClicks(hours, "40");
    click(form.get(), "cmdCal");
    const PayResult calculated = ctx.result;
    auto* dialog = open<StateDialog>("mnuState", "DialogState");
    ASSERT_NE(dialog, nullptr);
    QTest::mouseClick(dialog->findChild<QCheckBox*>("ckMissouri"), Qt::LeftButton);
    QTest::mouseClick(dialog->findChild<QCheckBox*>("ckSpouse"), Qt::LeftButton);
    EXPECT_DOUBLE_EQ(ctx.result.StateWithholding, calculated.StateWithholding);
    click(dialog, "CancelButton");
    EXPECT_DOUBLE_EQ(ctx.result.StateWithholding, calculated.StateWithholding);
    EXPECT_FLOAT_EQ(ctx.result.StateWage, calculated.StateWage);
    EXPECT_FLOAT_EQ(ctx.result.StateAllowance, calculated.StateAllowance);
}

// A method selected and not saved leaves the settings in use whole: no rounding of Missouri's
// creeps into a calculation by the employee's own table.
TEST_F(SettingsDialogTest, AnUnsavedMissouriDoesNotRoundTheNextCalculation) {
    showForm();
    auto* hours = form->findChild<QLineEdit*>("txtAmount0");
    hours->setFocus();
    QTest::keyClicks(hours, "40");
    click(form.get(), "cmdCal");
    const double calculated = ctx.result.StateWithholding;
    ASSERT_NE(calculated, std::round(calculated));
    auto* dialog = open<StateDialog>("mnuState", "DialogState");
    ASSERT_NE(dialog, nullptr);
    QTest::mouseClick(dialog->findChild<QCheckBox*>("ckMissouri"), Qt::LeftButton);
    EXPECT_EQ(ctx.state.RoundState, 0);
    click(form.get(), "cmdCal");
    EXPECT_DOUBLE_EQ(ctx.result.StateWithholding, calculated);
}

TEST_F(SettingsDialogTest, CityNoLocalTaxCancelledIsNotSaved) {
    showForm();
    prompts->texts = {std::string("Clark")};
    ASSERT_TRUE(triggerAction(form.get(), "mnuNew"));
    auto* dialog = open<CityDialog>("mnuCity", "DialogCity");
    ASSERT_NE(dialog, nullptr);
    QTest::mouseClick(dialog->findChild<QCheckBox*>("ckNoLocalTax"), Qt::LeftButton);
    EXPECT_EQ(dialog->findChild<QLineEdit*>("txtCityMinBS1")->text(), "999999");
    click(dialog, "CancelButton");
    prompts->saveWindows = {{SaveChoice::Save, "Clark"}};
    ASSERT_TRUE(triggerAction(form.get(), "mnuSave"));
    EXPECT_EQ(ctx.city.NoLocalTax, 0);
    dialog = open<CityDialog>("mnuCity", "DialogCity");
    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(dialog->findChild<QCheckBox*>("ckNoLocalTax")->isChecked());
    EXPECT_NE(dialog->findChild<QLineEdit*>("txtCityMinBS1")->text(), "999999");
}

TEST_F(SettingsDialogTest, NonCityCancelDropsTheTypedCells) {
    showForm();
    QPointer<NonCityDialog> dialog = open<NonCityDialog>("mnuNonCity", "DialogNonCity");
    ASSERT_NE(dialog, nullptr);
    const QString stored = dialog->findChild<QLineEdit*>("txtNonPer")->text();
    typeInto(dialog, "txtNonPer", "9");
    click(dialog, "CancelButton");
    EXPECT_EQ(dialog, nullptr);
    dialog = open<NonCityDialog>("mnuNonCity", "DialogNonCity");
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->findChild<QLineEdit*>("txtNonPer")->text(), stored);
    click(dialog, "OKButton");
    EXPECT_NE(ctx.nonCity.NonCityRate, 9.0f);
}

}  // namespace
}  // namespace corvanta::ui
