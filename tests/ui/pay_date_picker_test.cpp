#include "ui/pay_date_picker.h"

#include <gtest/gtest.h>

#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "modal_dialog.h"

namespace corvanta::ui {
namespace {

using corvanta::testing::onNextModalDialog;

const QDate kInRange(2008, 6, 1);
const QDate kLongAfter(2026, 12, 15);

struct StartCase {
    const char* box;
    QDate today;
    QDate picker;
    std::optional<QString> boxText;
};

class PickerStartTest : public ::testing::TestWithParam<StartCase> {};

TEST_P(PickerStartTest, ChoosesThePickerDateAndWhatTheBoxTakes) {
    const StartCase& c = GetParam();
    const PickerStart start = pickerStart(c.box, c.today);
    EXPECT_EQ(start.pickerDate, c.picker) << c.box;
    EXPECT_EQ(start.boxText, c.boxText) << c.box;
}

const QDate kFallback(2008, 1, 1);
INSTANTIATE_TEST_SUITE_P(
    PayDatePicker, PickerStartTest,
    ::testing::Values(StartCase{"", kInRange, kInRange, std::nullopt},
                      StartCase{"   ", kInRange, kInRange, std::nullopt},
                      StartCase{"", kLongAfter, kFallback, "12/15/2026"},
                      StartCase{"3/15/08", kLongAfter, {2008, 3, 15}, std::nullopt},
                      StartCase{"03/15/2008", kLongAfter, {2008, 3, 15}, std::nullopt},
                      StartCase{" 4/1/2008 ", kLongAfter, {2008, 4, 1}, std::nullopt},
                      StartCase{"12/1/2007", kLongAfter, {2007, 12, 1}, std::nullopt},
                      StartCase{"1/10/09", kLongAfter, {2009, 1, 10}, std::nullopt},
                      StartCase{"1/11/2009", kLongAfter, kFallback, "12/15/2026"},
                      StartCase{"11/30/2007", kInRange, kFallback, "6/1/2008"},
                      StartCase{"3/15/1908", kLongAfter, kFallback, "12/15/2026"},
                      StartCase{"2/30/2008", kLongAfter, kFallback, "12/15/2026"},
                      StartCase{"garbage", kInRange, kFallback, "6/1/2008"}));

struct PickerLook {
    PickerKind kind;
    const char* name;
    const char* ok;
};

class PayDatePickerTest : public ::testing::TestWithParam<PickerLook> {
  protected:
    QLineEdit box;
};

TEST_P(PayDatePickerTest, BoxFollowsThePickerAndTheCloseBoxKeepsIt) {
    const PickerLook look = GetParam();
    const PickerStart expected = pickerStart("", QDate::currentDate());
    bool seen = false;
    onNextModalDialog(look.name, [&](QDialog* dialog) {
        seen = true;
        auto* picker = dialog->findChild<QDateEdit*>("DTPicker1");
        auto* ok = dialog->findChild<QPushButton*>("Command1");
        EXPECT_EQ(ok->text(), look.ok);
        EXPECT_TRUE(picker->calendarPopup());
        EXPECT_EQ(picker->displayFormat(), "MM/dd/yy");
        EXPECT_EQ(picker->minimumDate(), QDate(2007, 12, 1));
        EXPECT_EQ(picker->maximumDate(), QDate(2009, 1, 10));
        EXPECT_EQ(picker->date(), expected.pickerDate);
        EXPECT_EQ(box.text(), expected.boxText.value_or(""));
        picker->setDate({2008, 2, 14});
        EXPECT_EQ(box.text(), "2/14/2008");
        picker->setDate({2008, 11, 3});
        EXPECT_EQ(box.text(), "11/3/2008");
        dialog->reject();
    });
    pickDate(&box, look.kind, nullptr);
    EXPECT_TRUE(seen);
    EXPECT_EQ(box.text(), "11/3/2008");
}

TEST_P(PayDatePickerTest, IsWideEnoughForItsWholeTitle) {
    const PickerLook look = GetParam();
    int width = 0;
    int titleWidth = 0;
    onNextModalDialog(look.name, [&](QDialog* dialog) {
        width = dialog->width();
        titleWidth = dialog->fontMetrics().horizontalAdvance(dialog->windowTitle());
        dialog->reject();
    });
    pickDate(&box, look.kind, nullptr);
    // The title bar also holds the window's icon and its close, minimise and maximise buttons.
    EXPECT_GE(width, titleWidth + 120) << look.name;
}

TEST_P(PayDatePickerTest, OkWritesThePickedDateAndCloses) {
    const PickerLook look = GetParam();
    box.setText("garbage");
    bool seen = false;
    onNextModalDialog(look.name, [&](QDialog* dialog) {
        seen = true;
        // A failed load: the box took today, the picker sits on the fixed date.
        EXPECT_EQ(box.text(), QDate::currentDate().toString("M/d/yyyy"));
        EXPECT_EQ(dialog->findChild<QDateEdit*>("DTPicker1")->date(), QDate(2008, 1, 1));
        QTest::mouseClick(dialog->findChild<QPushButton*>("Command1"), Qt::LeftButton);
        EXPECT_FALSE(dialog->isVisible());
    });
    pickDate(&box, look.kind, nullptr);
    EXPECT_TRUE(seen);
    EXPECT_EQ(box.text(), "1/1/2008");
}

TEST_P(PayDatePickerTest, ReopensOnTheDateInTheBox) {
    const PickerLook look = GetParam();
    box.setText("7/4/08");
    QDate shown;
    onNextModalDialog(look.name, [&](QDialog* dialog) {
        shown = dialog->findChild<QDateEdit*>("DTPicker1")->date();
        dialog->reject();
    });
    pickDate(&box, look.kind, nullptr);
    EXPECT_EQ(shown, QDate(2008, 7, 4));
    EXPECT_EQ(box.text(), "7/4/08");  // closed without a change: the box keeps its text
}

INSTANTIATE_TEST_SUITE_P(PayDatePicker, PayDatePickerTest,
                         ::testing::Values(PickerLook{PickerKind::PayPeriod, "frmDateMain", "Ok"},
                                           PickerLook{PickerKind::WeekRow, "frmDate", "&OK"}));

}  // namespace
}  // namespace corvanta::ui
