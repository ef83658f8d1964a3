// The employee list: Ctrl+E opens it from anywhere in the calculator, an hours box included;
// typing narrows it, in its filter box or in the list; Enter or a double click opens the
// chosen employee through the calculator's own Open (its save window first), New starts one,
// and the program shows the list at start only where there are employees to choose from.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "session/files/employee_loader.h"
#include "session/files/open_employee.h"
#include "session/ytd/ledger_file.h"
#include "session/ytd/ledger_ops.h"
#include "support/temp_folder.h"
#include "ui/calculator_window.h"
#include "ui/employee_list_window.h"
#include "ui_support.h"

namespace corvanta::ui {
namespace {

namespace t = corvanta::testing;

class EmployeeListTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder.copyFederalTable();
        t::makeWithNew(folder.path(), {"Adams", "Baker", "Cole"});
        ctx = folder.context();
        auto owned = std::make_unique<t::ScriptedPrompts>();
        prompts = owned.get();
        form = std::make_unique<CalculatorForm>(ctx, std::move(owned));
        form->show();
        activate(form.get());
    }
    void TearDown() override { form.reset(); }

    static void activate(QWidget* w) {
        QApplication::setActiveWindow(w);
        ASSERT_TRUE(QTest::qWaitForWindowActive(w)) << w->objectName().toStdString();
    }
    static EmployeeListWindow* list() {
        return qobject_cast<EmployeeListWindow*>(t::visibleTopLevel("frmEmployees"));
    }
    QLineEdit* hoursBox() { return form->findChild<QLineEdit*>("txtAmount0"); }

    // Opens Adams and changes her in memory, so leaving her asks whether to save her.
    void openChangedAdams() {
        prompts->files = {folder / "Adams.use"};
        form->openEmployee();
        ASSERT_EQ(ctx.UserFileBase, "Adams");
        ctx.profile.EmployeeName = "Ann Adams-Changed";
        prompts->shownNames.clear();
    }

    // Ctrl+E typed in the first hours box, which keeps it for itself unless the window claims it.
    EmployeeListWindow* ctrlEFromTheHoursBox() {
        new t::KeepsKeys(hoursBox(), {QKeySequence(Qt::CTRL | Qt::Key_E)});
        hoursBox()->setFocus();
        hoursBox()->setText("12");
        QTest::keyClick(hoursBox(), Qt::Key_E, Qt::ControlModifier);
        EmployeeListWindow* shown = list();
        if (shown != nullptr) activate(shown);
        return shown;
    }

    std::string savedName(const std::string& file) {
        return loadEmployeeRecord(folder.path(), file, [](const UserMessage&) {})
            .profile.EmployeeName;
    }

    t::TempFolder folder;
    PayrollContext ctx;
    t::ScriptedPrompts* prompts = nullptr;
    std::unique_ptr<CalculatorForm> form;
};

TEST_F(EmployeeListTest, CtrlEInAnHoursBoxOpensTheListAndLeavesTheHoursAsTyped) {
    EmployeeListWindow* shown = ctrlEFromTheHoursBox();
    ASSERT_NE(shown, nullptr) << "Ctrl+E stayed in the hours box";
    EXPECT_EQ(hoursBox()->text(), "12");
    EXPECT_EQ(shown->shownFiles(), (std::vector<std::string>{"Adams", "Baker", "Cole"}));
    EXPECT_EQ(shown->parentWidget(), form.get()) << "the calculator stays the main window";
    // The keyboard is in the filter, ready for a name.
    EXPECT_EQ(QApplication::focusWidget(), shown->findChild<QLineEdit*>("txtFilter"));
}

TEST_F(EmployeeListTest, TypingFiltersAndEnterOpensTheChosenAfterTheSaveWindow) {
    openChangedAdams();
    EmployeeListWindow* shown = ctrlEFromTheHoursBox();
    ASSERT_NE(shown, nullptr);
    QTest::keyClicks(QApplication::focusWidget(), "BAK");
    EXPECT_EQ(shown->shownFiles(), std::vector<std::string>{"Baker"});
    prompts->saveWindows = {{SaveChoice::Save, "Adams"}};
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(ctx.UserFileBase, "Baker");
    EXPECT_EQ(prompts->shownNames, std::vector<std::string>{"Adams"}) << "as File, Open asks";
    EXPECT_EQ(savedName("Adams"), "Ann Adams-Changed") << "the save window's Save was lost";
    // The keyboard goes back to the hours of the employee just opened.
    EXPECT_TRUE(QTest::qWaitFor([this] { return QApplication::focusWidget() == hoursBox(); }));
}

TEST_F(EmployeeListTest, AnsweringNoOpensTheChosenWithoutSavingTheChangedOne) {
    openChangedAdams();
    EmployeeListWindow* shown = ctrlEFromTheHoursBox();
    ASSERT_NE(shown, nullptr);
    QTest::keyClicks(QApplication::focusWidget(), "cole");
    prompts->saveWindows = {{SaveChoice::No, "Adams"}};
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
    EXPECT_EQ(ctx.UserFileBase, "Cole");
    EXPECT_NE(savedName("Adams"), "Ann Adams-Changed");
}

TEST_F(EmployeeListTest, TypingInTheListGoesToTheFilterAndArrowsInTheFilterMoveTheChoice) {
    EmployeeListWindow* shown = ctrlEFromTheHoursBox();
    ASSERT_NE(shown, nullptr);
    auto* filter = shown->findChild<QLineEdit*>("txtFilter");
    auto* rows = shown->findChild<QTreeWidget*>("lstEmployees");
    rows->setFocus();
    QTest::keyClicks(rows, "er");
    EXPECT_EQ(filter->text(), "er");
    EXPECT_EQ(shown->shownFiles(), (std::vector<std::string>{"Baker"}));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
    EXPECT_EQ(shown->shownFiles().size(), 3U);
    // Down twice from the first row in the filter chooses the third; Enter opens her.
    rows->setCurrentItem(rows->topLevelItem(0));
    QTest::keyClick(filter, Qt::Key_Down);
    QTest::keyClick(filter, Qt::Key_Down);
    QTest::keyClick(filter, Qt::Key_Return);
    EXPECT_EQ(ctx.UserFileBase, "Cole");
}

TEST_F(EmployeeListTest, ADoubleClickOpensTheEmployeeOnce) {
    openChangedAdams();
    EmployeeListWindow* shown = ctrlEFromTheHoursBox();
    ASSERT_NE(shown, nullptr);
    auto* rows = shown->findChild<QTreeWidget*>("lstEmployees");
    QTreeWidgetItem* baker = rows->topLevelItem(1);
    ASSERT_EQ(baker->text(1), "Baker");
    const QPoint at = rows->visualItemRect(baker).center();
    prompts->saveWindows = {{SaveChoice::Save, "Adams"}};
    QTest::mousePress(rows->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(rows->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(rows->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(rows->viewport(), Qt::LeftButton, {}, at);
    EXPECT_EQ(ctx.UserFileBase, "Baker");
    EXPECT_EQ(prompts->shownNames, std::vector<std::string>{"Adams"});
    EXPECT_EQ(savedName("Adams"), "Ann Adams-Changed");
}

TEST_F(EmployeeListTest, NewFromTheListStartsAnEmployeeAndTheListShowsHer) {
    EmployeeListWindow* shown = ctrlEFromTheHoursBox();
    ASSERT_NE(shown, nullptr);
    prompts->yesNo = {false};
    prompts->texts = {std::string("Dunn")};
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_N, Qt::AltModifier);
    // A button's Alt letter clicks it once its press has been shown.
    EXPECT_TRUE(QTest::qWaitFor([this] { return ctx.UserFileBase == "Dunn"; }));
    EXPECT_TRUE(folder.exists("Dunn.use"));
    EXPECT_EQ(shown->shownFiles(), (std::vector<std::string>{"Adams", "Baker", "Cole", "Dunn"}));
}

TEST_F(EmployeeListTest, ASaveUnderAnotherNameIsListedAtOnce) {
    EmployeeListWindow* shown = ctrlEFromTheHoursBox();
    ASSERT_NE(shown, nullptr);
    prompts->saveWindows = {{SaveChoice::Save, "Evans"}};
    form->saveEmployee();
    EXPECT_EQ(shown->shownFiles(), (std::vector<std::string>{"Adams", "Baker", "Cole", "Evans"}));
}

// Another program (the command line's pay run) posts a week for Baker: coming back to the
// list shows it, the filter and the choice kept.
TEST_F(EmployeeListTest, AWeekPostedElsewhereShowsWhenTheListIsComeBackTo) {
    EmployeeListWindow* shown = ctrlEFromTheHoursBox();
    ASSERT_NE(shown, nullptr);
    QTest::keyClicks(QApplication::focusWidget(), "a");
    {
        PayrollContext other = folder.context();
        other.employee() = loadEmployeeRecord(folder.path(), "Baker", [](const UserMessage&) {});
        other.ledger.rows[0].WeekLabel = "1/4/2008";
        other.ledger.rows[0].Gross = 640.5f;
        other.ledger.rows[0].Net = 500.0f;
        showLedgerGrid(other.ledger, other.profile);
        SaveAnnual(other);
    }
    activate(form.get());
    activate(shown);
    auto* rows = shown->findChild<QTreeWidget*>("lstEmployees");
    const auto found = rows->findItems("Baker", Qt::MatchExactly, 1);
    ASSERT_EQ(found.size(), 1);
    EXPECT_EQ(found[0]->text(5), "1/4/2008");
    EXPECT_EQ(found[0]->text(6), "640.50");
    EXPECT_EQ(shown->findChild<QLineEdit*>("txtFilter")->text(), "a");
}

struct StartCase {
    const char* what;
    std::vector<const char*> employees;
    bool listed;
};

void PrintTo(const StartCase& c, std::ostream* os) { *os << c.what; }

class EmployeeListAtStart : public ::testing::TestWithParam<StartCase> {};

TEST_P(EmployeeListAtStart, TheListOpensBesideTheCalculatorOnlyWhenThereAreEmployees) {
    const StartCase& c = GetParam();
    t::TempFolder folder;
    folder.copyFederalTable();
    for (const char* name : c.employees) t::makeWithNew(folder.path(), {name});
    PayrollContext ctx = folder.context();
    startWithDefaultGroup(ctx);  // as the program starts
    CalculatorForm form(ctx, std::make_unique<t::ScriptedPrompts>());
    form.show();
    form.listEmployeesAtStart();
    QWidget* shown = t::visibleTopLevel("frmEmployees");
    EXPECT_EQ(shown != nullptr, c.listed);
    EXPECT_TRUE(form.isVisible());
    if (shown != nullptr) {
        EXPECT_FALSE(shown->isModal()) << "the calculator must stay usable";
    }
}

INSTANTIATE_TEST_SUITE_P(Folders, EmployeeListAtStart,
                         ::testing::Values(StartCase{"WithEmployees", {"Adams", "Baker"}, true},
                                           StartCase{"Empty", {}, false}),
                         [](const auto& info) { return std::string(info.param.what); });

}  // namespace
}  // namespace corvanta::ui
