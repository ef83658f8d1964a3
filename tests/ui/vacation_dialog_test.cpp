#include "ui/vacation_dialog.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <filesystem>

#include "support/temp_folder.h"
#include "ui/help_window.h"
#include "ui_support.h"

namespace corvanta::ui {
namespace {

using corvanta::testing::MessageBoxAnswerer;
using corvanta::testing::TempFolder;

struct KindNames {
    const char* start;
    const char* taken;
    const char* date;
    const char* balance;
};
constexpr KindNames kKinds[] = {{"txtVacBal", "txtVcnt", "txtVdate", "lbVacBal"},
                                {"txtHolBal", "txtHcnt", "txtHdate", "lbHolBal"},
                                {"txtSickBal", "txtScnt", "txtSdate", "lbSickBal"}};

class VacationDialogTest : public ::testing::Test {
  protected:
    VacationDialogTest() : ctx(folder.context()) { ctx.UserFileBase = "Ann"; }
    ~VacationDialogTest() override { delete dialog; }

    void open() {
        delete dialog;
        dialog = new VacationDialog(ctx);
        dialog->show();
    }
    void closeDialog() {
        dialog->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QLineEdit* box(const QString& name) { return dialog->findChild<QLineEdit*>(name); }
    QLineEdit* box(const char* column, int row) { return box(column + QString::number(row)); }
    QString balance(const char* name) { return dialog->findChild<QLabel*>(name)->text(); }
    // Replaces a box's text by typing, as the operator would.
    static void retype(QLineEdit* b, const QString& text) {
        b->selectAll();
        QTest::keyClick(b, Qt::Key_Backspace);
        QTest::keyClicks(b, text);
    }
    void click(const char* button) {
        QTest::mouseClick(dialog->findChild<QPushButton*>(button), Qt::LeftButton);
    }
    // A ".hol" file with start 10 and entries 2 and 3.5 for every kind.
    void writeLeaveFile() {
        LeaveRecord r;
        r.VacationStart = r.HolidayStart = r.SickStart = 10;
        r.VacationBalance = r.HolidayBalance = r.SickBalance = 4.5f;
        r.VacationTaken[0] = r.HolidayTaken[0] = r.SickTaken[0] = 2;
        r.VacationTaken[1] = r.HolidayTaken[1] = r.SickTaken[1] = 3.5f;
        r.VacationDates[0] = "1/2/08";
        r.SickDates[1] = "Feb 3, 2008";
        folder.write("Ann.hol", formatLeaveFile(r));
    }

    TempFolder folder;
    PayrollContext ctx;
    QPointer<VacationDialog> dialog;
};

TEST_F(VacationDialogTest, ANewEmployeeWithoutALeaveFileSeesZeros) {
    open();
    EXPECT_EQ(dialog->objectName(), "DialogVac");
    EXPECT_EQ(dialog->windowTitle(), "Vacation / Holiday / Sick");
    for (const KindNames& k : kKinds) {
        SCOPED_TRACE(k.start);
        EXPECT_EQ(box(k.start)->text(), "0");
        EXPECT_EQ(balance(k.balance), "0");
        for (int i = 0; i < kLeaveEntries; ++i) {
            EXPECT_EQ(box(k.taken, i)->text(), "0");
            EXPECT_EQ(box(k.date, i)->text(), "");
        }
    }
}

TEST_F(VacationDialogTest, BalancesFollowTheBoxesAsTheyAreTyped) {
    open();
    for (const KindNames& k : kKinds) {
        SCOPED_TRACE(k.start);
        retype(box(k.start), "10");
        retype(box(k.taken, 0), "2");
        retype(box(k.taken, 7), "3.5");
        EXPECT_EQ(balance(k.balance), "4.5");
        retype(box(k.taken, 7), "");
        EXPECT_EQ(balance(k.balance), "8");
        retype(box(k.taken, 19), "-2");
        EXPECT_EQ(balance(k.balance), "10");
    }
    EXPECT_EQ(ctx.leaveDialog.txtScnt[19], "-2");
}

TEST_F(VacationDialogTest, TakenBoxesDropLettersAndDateBoxesTakeAnyText) {
    open();
    retype(box("txtHcnt", 3), "1a2");
    EXPECT_EQ(box("txtHcnt", 3)->text(), "12");
    retype(box("txtHdate", 3), "Jan 5");
    EXPECT_EQ(ctx.leaveDialog.txtHdate[3], "Jan 5");
}

TEST_F(VacationDialogTest, ClearAllThenClosingWithoutSaveLeavesTheFileAlone) {
    writeLeaveFile();
    const std::string before = folder.read("Ann.hol");
    open();
    EXPECT_EQ(box("txtVdate", 0)->text(), "1/2/08");
    EXPECT_EQ(balance("lbSickBal"), "4.5");
    click("cmdClear");
    EXPECT_EQ(box("txtVacBal")->text(), "0");
    EXPECT_EQ(box("txtVcnt", 1)->text(), "0");
    EXPECT_EQ(box("txtVdate", 0)->text(), "");
    EXPECT_EQ(balance("lbVacBal"), "0");
    closeDialog();
    EXPECT_EQ(folder.read("Ann.hol"), before);
    open();
    EXPECT_EQ(box("txtVacBal")->text(), "10");
    EXPECT_EQ(box("txtScnt", 1)->text(), "3.5");
    EXPECT_EQ(box("txtSdate", 1)->text(), "Feb 3, 2008");
    EXPECT_EQ(balance("lbHolBal"), "4.5");
}

TEST_F(VacationDialogTest, SaveWritesTheLeaveFileAndCloses) {
    open();
    retype(box("txtVacBal"), "12");
    retype(box("txtVcnt", 0), "3");
    retype(box("txtVdate", 0), "3/3/08");
    retype(box("txtSickBal"), "5");
    click("OKButton");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(dialog, nullptr);
    ASSERT_TRUE(folder.exists("Ann.hol"));
    const LeaveRecord saved = parseLeaveFile(folder.read("Ann.hol"), "Ann.hol", LeaveRecord{});
    EXPECT_FLOAT_EQ(saved.VacationStart, 12);
    EXPECT_FLOAT_EQ(saved.VacationBalance, 9);
    EXPECT_FLOAT_EQ(saved.VacationTaken[0], 3);
    EXPECT_EQ(saved.VacationDates[0], "3/3/08");
    EXPECT_FLOAT_EQ(saved.SickBalance, 5);
}

TEST_F(VacationDialogTest, AFileThatCannotBeWrittenIsReportedAndTheDialogStays) {
    open();
    std::filesystem::create_directory(folder / "Ann.hol");  // in the way of the file
    MessageBoxAnswerer answerer({QMessageBox::Ok});
    click("OKButton");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_EQ(answerer.seen().size(), 1u);
    EXPECT_TRUE(answerer.seen()[0].text.contains("Ann.hol"))
        << answerer.seen()[0].text.toStdString();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
}

TEST_F(VacationDialogTest, ADamagedLeaveFileIsReportedOnOpening) {
    folder.write("Ann.hol", "1,2,x\r\n");
    MessageBoxAnswerer answerer({QMessageBox::Ok});
    open();
    ASSERT_EQ(answerer.seen().size(), 1u);
    EXPECT_TRUE(answerer.seen()[0].text.contains("Ann.hol"))
        << answerer.seen()[0].text.toStdString();
    EXPECT_TRUE(dialog->isVisible());
}

TEST_F(VacationDialogTest, HelpOpensTheManualAtTheLeavePage) {
    open();
    dialog->findChild<QAction*>("mnuHelp")->trigger();
    HelpWindow* help = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* h = qobject_cast<HelpWindow*>(w); h != nullptr && h->isVisible()) help = h;
    }
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->currentPage(), "leave-and-overtime.html");
    help->close();
}

TEST_F(VacationDialogTest, TheDialogFitsAnOldScreen) {
    open();
    EXPECT_LE(dialog->width(), 1024);
    EXPECT_LE(dialog->height(), 720);
}

}  // namespace
}  // namespace corvanta::ui
