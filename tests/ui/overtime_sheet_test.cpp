#include <gtest/gtest.h>

#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPrinter>
#include <QPushButton>
#include <QTest>
#include <filesystem>

#include "modal_dialog.h"
#include "session/side/overtime_sheet_ops.h"
#include "support/case_names.h"
#include "support/temp_folder.h"
#include "ui/overtime_sheet_form.h"
#include "ui_support.h"

namespace corvanta::ui {
namespace {

using corvanta::testing::MessageBoxAnswerer;
using corvanta::testing::onNextModalDialog;
using corvanta::testing::TempFolder;

class OvertimeSheetFormTest : public ::testing::Test {
  protected:
    OvertimeSheetFormTest() : ctx(folder.context()) {
        desktop.choosePrinter = [this](QWidget* parent, const QString&) {
            printerAskedBy = parent;
            return std::unique_ptr<QPrinter>();
        };
    }
    ~OvertimeSheetFormTest() override {
        if (form) form->close();  // deletes itself
        settle();
    }

    OvertimeSheetForm& open() {
        form = new OvertimeSheetForm(ctx, desktop);
        form->show();
        settle();
        return *form;
    }
    void openActive() {
        open();
        QApplication::setActiveWindow(form);
        ASSERT_TRUE(QTest::qWaitForWindowActive(form));
        settle();
    }
    // Lets the deferred work of showing, closing and uncovering happen.
    static void settle() {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    void biWeekly() { ctx.profile.frequency = PayFrequency::BiWeekly; }
    void savedSalary(float annual, float percent) {
        ctx.overtime.AnnualSalary = annual;
        ctx.overtime.ApprovedPercent = percent;
    }
    // The operator uncovers the sheet after another window was in front of it.
    void uncover() {
        QEvent away(QEvent::WindowDeactivate);
        QApplication::sendEvent(form, &away);
        QEvent back(QEvent::WindowActivate);
        QApplication::sendEvent(form, &back);
        settle();
    }

    QLineEdit* box(const QString& name) const { return form->findChild<QLineEdit*>(name); }
    QLineEdit* date(int row) const { return box(QString("Text1%1").arg(row)); }
    QLineEdit* overtime(int row) const { return box(QString("txtOT%1").arg(row)); }
    QString label(const char* name) const { return form->findChild<QLabel*>(name)->text(); }
    void type(QLineEdit* b, const QString& text) const {
        b->selectAll();
        QTest::keyClick(b, Qt::Key_Backspace);
        QTest::keyClicks(b, text);
    }
    void click(const char* name) const {
        QTest::mouseClick(form->findChild<QPushButton*>(name), Qt::LeftButton);
        settle();
    }
    void removeSavedFiles() const {
        for (const char* ext : {".use", ".and", ".cfe", ".ovw", ".ovb"}) {
            std::filesystem::remove(folder / ext);
        }
    }

    TempFolder folder;
    PayrollContext ctx;
    DesktopServices desktop;
    QWidget* printerAskedBy = nullptr;
    QPointer<OvertimeSheetForm> form;
};

TEST_F(OvertimeSheetFormTest, TotalGivesEarnedLimitAvailableAndPercent) {
    open();
    type(box("txtAnnual"), "52000");
    type(box("txtApPercent"), "5");
    type(overtime(0), "100");
    type(overtime(1), "250.5");
    type(overtime(2), "");
    click("cmdADD");
    EXPECT_EQ(label("lbEarned"), "$350.50");
    EXPECT_EQ(label("lbMax"), "$2,600.00");
    EXPECT_EQ(label("lbAvail"), "$2,249.50");
    EXPECT_EQ(box("txtPercent")->text(), ".67%");
    EXPECT_EQ(overtime(2)->text(), "0");
    EXPECT_EQ(ctx.overtime.WeekOvertime[1], "250.5");
    EXPECT_TRUE(folder.exists(".use"));
    EXPECT_TRUE(folder.exists(".ovw"));
}

TEST_F(OvertimeSheetFormTest, ShowingTheSheetTotalsTheRecordAndShowsThePayPeriod) {
    savedSalary(52000, 5);
    ctx.overtime.WeekOvertime[0] = "100";
    ctx.overtime.WeekOvertime[1] = "";
    ctx.window.txtWeek = "1/5/2008";
    ctx.window.lbOverT = "45.00";
    open();
    EXPECT_EQ(form->objectName(), "Form2");
    EXPECT_EQ(form->windowTitle(), "OverTime Percentage");
    EXPECT_EQ(overtime(1)->text(), "0");
    EXPECT_EQ(label("lbEarned"), "$100.00");
    EXPECT_EQ(label("lbAvail"), "$2,500.00");
    EXPECT_EQ(label("lbWk"), "1/5/2008");
    EXPECT_EQ(label("lb_OT"), "45.00");
    EXPECT_TRUE(folder.exists(".use"));
}

TEST_F(OvertimeSheetFormTest, MissingSalaryAndPercentAsksOnceAndSavesNothing) {
    open();
    removeSavedFiles();
    type(box("txtAnnual"), "0");
    type(box("txtApPercent"), "0");
    type(overtime(0), "100");
    MessageBoxAnswerer answers({QMessageBox::Ok, QMessageBox::Ok, QMessageBox::Ok});
    click("cmdADD");
    ASSERT_EQ(answers.seen().size(), 1u);
    EXPECT_EQ(answers.seen()[0].title, "Attention");
    EXPECT_EQ(answers.seen()[0].text,
              "Please enter amounts in\nAnnual Salary and\nApproved Percent Boxes.");
    EXPECT_EQ(answers.seen()[0].icon, QMessageBox::Warning);
    EXPECT_EQ(label("lbEarned"), "$.00");  // from the opening, without the 100
    EXPECT_FALSE(folder.exists(".use"));
    EXPECT_FALSE(folder.exists(".ovw"));
    // Uncovering runs TOTAL again, but the same showing does not ask twice.
    uncover();
    uncover();
    EXPECT_EQ(answers.seen().size(), 1u);
    // A press of TOTAL always answers.
    click("cmdADD");
    EXPECT_EQ(answers.seen().size(), 2u);
    EXPECT_FALSE(folder.exists(".use"));
}

TEST_F(OvertimeSheetFormTest, UncoveringAsksOnceWhenTheBoxesWereEmptied) {
    open();
    type(box("txtAnnual"), "");
    MessageBoxAnswerer answers({QMessageBox::Ok, QMessageBox::Ok});
    uncover();
    uncover();
    ASSERT_EQ(answers.seen().size(), 1u);
    EXPECT_EQ(answers.seen()[0].title, "Attention");
}

TEST_F(OvertimeSheetFormTest, UncoveringTotalsWhatWasTyped) {
    savedSalary(52000, 5);
    open();
    type(overtime(4), "20");
    removeSavedFiles();
    uncover();
    EXPECT_EQ(label("lbEarned"), "$20.00");
    EXPECT_TRUE(folder.exists(".ovw"));
}

TEST_F(OvertimeSheetFormTest, BiWeeklyShowsAndUsesOnly26Rows) {
    open();
    const int weeklyWidth = form->width();
    ASSERT_NE(date(51), nullptr);
    EXPECT_TRUE(overtime(51)->isVisibleTo(form));
    form->close();
    settle();

    biWeekly();
    savedSalary(52000, 5);
    ctx.overtime.WeekOvertime[25] = "10";
    removeSavedFiles();
    open();
    EXPECT_LT(form->width(), weeklyWidth);
    EXPECT_TRUE(overtime(25)->isVisibleTo(form));
    EXPECT_FALSE(overtime(26)->isVisibleTo(form));
    EXPECT_FALSE(date(51)->isVisibleTo(form));
    ctx.overtimeWindow.txtOT[26] = "1000";
    click("cmdADD");
    EXPECT_EQ(label("lbEarned"), "$10.00");
    EXPECT_TRUE(folder.exists(".ovb"));
    EXPECT_FALSE(folder.exists(".ovw"));
    click("cmdAdvance");
    EXPECT_EQ(overtime(24)->text(), "10");
    EXPECT_EQ(overtime(25)->text(), "0");
    EXPECT_EQ(ctx.overtimeWindow.txtOT[26], "1000");
}

TEST_F(OvertimeSheetFormTest, NewWeekMovesEveryRowUpAndSavesNothing) {
    savedSalary(52000, 5);
    for (int i = 0; i < kOvertimeRows; ++i) {
        ctx.overtime.WeekEnding[i] = "week " + std::to_string(i + 1);
        ctx.overtime.WeekOvertime[i] = std::to_string(i);
    }
    open();
    click("cmdAdvance");
    EXPECT_EQ(date(0)->text(), "week 2");
    EXPECT_EQ(overtime(0)->text(), "1");
    EXPECT_EQ(date(50)->text(), "week 52");
    EXPECT_EQ(date(51)->text(), "");
    EXPECT_EQ(overtime(51)->text(), "0");
    EXPECT_EQ(ctx.overtime.WeekEnding[0], "week 1");
}

TEST_F(OvertimeSheetFormTest, UndoReturnsToTheLastSave) {
    savedSalary(52000, 5);
    ctx.overtime.WeekOvertime[3] = "40";
    open();
    type(overtime(3), "99");
    type(box("txtApPercent"), "9");
    type(date(3), "someday");
    click("cmdUndo");
    EXPECT_EQ(overtime(3)->text(), "40");
    EXPECT_EQ(box("txtApPercent")->text(), "5");
    EXPECT_EQ(date(3)->text(), "");
}

TEST_F(OvertimeSheetFormTest, BackSavesTheRowsAndCloses) {
    open();
    removeSavedFiles();
    type(date(0), "1/5/2008");
    type(overtime(0), "");
    click("cmdClose");
    EXPECT_TRUE(form.isNull());
    EXPECT_FALSE(ctx.overtimeWindow.loaded);
    EXPECT_EQ(ctx.overtime.WeekEnding[0], "1/5/2008");
    EXPECT_EQ(folder.read(".ovw").substr(0, 15), "\"1/5/2008\"\r\n0\r\n");
}

TEST_F(OvertimeSheetFormTest, BackThatCannotSaveSaysSoAndStays) {
    open();
    std::filesystem::remove(folder / ".use");
    std::filesystem::create_directory(folder / ".use");  // the file cannot replace it
    MessageBoxAnswerer answers({QMessageBox::Ok, QMessageBox::Ok});
    click("cmdClose");
    uncover();
    ASSERT_EQ(answers.seen().size(), 1u);
    EXPECT_TRUE(answers.seen()[0].text.contains(".use"));
    ASSERT_FALSE(form.isNull());
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(ctx.overtimeWindow.loaded);
}

TEST_F(OvertimeSheetFormTest, CloseBoxKeepsTheRecordAndMarksTheSheetClosed) {
    savedSalary(52000, 5);
    open();
    form->close();
    settle();
    EXPECT_TRUE(form.isNull());
    EXPECT_FALSE(ctx.overtimeWindow.loaded);
    EXPECT_FLOAT_EQ(ctx.overtime.AnnualSalary, 52000.0f);
}

TEST_F(OvertimeSheetFormTest, NumbersOnlyInTheAmountBoxesAnyTextInTheDates) {
    open();
    type(box("txtAnnual"), "a5x2,000");
    EXPECT_EQ(box("txtAnnual")->text(), "52000");
    type(overtime(7), "1$2.5");
    EXPECT_EQ(overtime(7)->text(), "12.5");
    EXPECT_EQ(ctx.overtimeWindow.txtOT[7], "12.5");
    type(date(7), "Jan 5th");
    EXPECT_EQ(ctx.overtimeWindow.Text1[7], "Jan 5th");
}

struct KeyMove {
    const char* name;
    const char* from;
    int key;
    const char* to;
};

void PrintTo(const KeyMove& c, std::ostream* os) { *os << c.name; }

class OvertimeSheetKeyTest : public OvertimeSheetFormTest,
                             public ::testing::WithParamInterface<KeyMove> {};

TEST_P(OvertimeSheetKeyTest, MovesTheFocus) {
    const KeyMove move = GetParam();
    openActive();
    QLineEdit* start = box(move.from);
    start->setFocus();
    ASSERT_TRUE(start->hasFocus());
    QTest::keyClick(start, static_cast<Qt::Key>(move.key));
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), move.to);
}

INSTANTIATE_TEST_SUITE_P(
    OvertimeSheetFormKeys, OvertimeSheetKeyTest,
    ::testing::Values(KeyMove{"Text10_return_to_Text11", "Text10", Qt::Key_Return, "Text11"},
                      KeyMove{"Text151_return_wraps_to_Text10", "Text151", Qt::Key_Return,
                              "Text10"},
                      KeyMove{"Text10_up_stays", "Text10", Qt::Key_Up, "Text10"},
                      KeyMove{"Text16_up_to_Text15", "Text16", Qt::Key_Up, "Text15"},
                      KeyMove{"Text151_down_stays", "Text151", Qt::Key_Down, "Text151"},
                      KeyMove{"Text15_right_to_txtOT5", "Text15", Qt::Key_Right, "txtOT5"},
                      KeyMove{"Text15_left_stays", "Text15", Qt::Key_Left, "Text15"},
                      KeyMove{"txtOT5_left_to_Text15", "txtOT5", Qt::Key_Left, "Text15"},
                      KeyMove{"txtOT5_right_stays", "txtOT5", Qt::Key_Right, "txtOT5"},
                      KeyMove{"txtOT0_up_stays", "txtOT0", Qt::Key_Up, "txtOT0"},
                      KeyMove{"txtOT7_down_to_txtOT8", "txtOT7", Qt::Key_Down, "txtOT8"},
                      KeyMove{"txtOT51_enter_wraps_to_txtOT0", "txtOT51", Qt::Key_Enter, "txtOT0"},
                      KeyMove{"txtOT51_down_stays", "txtOT51", Qt::Key_Down, "txtOT51"}),
    testing::CaseName());

TEST_F(OvertimeSheetFormTest, BiWeeklyKeysStopAtRow26) {
    biWeekly();
    openActive();
    overtime(25)->setFocus();
    QTest::keyClick(overtime(25), Qt::Key_Down);
    EXPECT_EQ(QApplication::focusWidget(), overtime(25));
    QTest::keyClick(overtime(25), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), overtime(0));
    date(25)->setFocus();
    QTest::keyClick(date(25), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), date(0));
}

TEST_F(OvertimeSheetFormTest, ClickOnADateOpensTheRowPickerOnItsDate) {
    open();
    type(date(3), "3/15/2008");
    QDate shown;
    onNextModalDialog("frmDate", [&](QDialog* dialog) {
        auto* picker = dialog->findChild<QDateEdit*>("DTPicker1");
        shown = picker->date();
        picker->setDate({2008, 4, 19});
        dialog->reject();
    });
    QTest::mouseClick(date(3), Qt::LeftButton);
    settle();
    EXPECT_EQ(shown, QDate(2008, 3, 15));
    EXPECT_EQ(date(3)->text(), "4/19/2008");
    EXPECT_EQ(ctx.overtimeWindow.Text1[3], "4/19/2008");
}

TEST_F(OvertimeSheetFormTest, PrintAsksForAPrinterAndCancelPrintsNothing) {
    open();
    click("cmdPrint");
    EXPECT_EQ(printerAskedBy, form.data());
}

}  // namespace
}  // namespace corvanta::ui
