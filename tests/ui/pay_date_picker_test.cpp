#include "ui/pay_date_picker.h"

#include <gtest/gtest.h>

#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "modal_dialog.h"
#include "support/case_names.h"

namespace corvanta::ui {
namespace {

using corvanta::testing::onNextModalDialog;

const QDate kInRange(2008, 6, 1);
const QDate kLongAfter(2026, 12, 15);

struct StartCase {
    const char* name;
    const char* box;
    QDate today;
    QDate picker;
    std::optional<QString> boxText;
};

void PrintTo(const StartCase& c, std::ostream* os) { *os << c.name; }

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
    ::testing::Values(
        StartCase{"blank_box", "", kInRange, kInRange, std::nullopt},
        StartCase{"blanks_only", "   ", kInRange, kInRange, std::nullopt},
        StartCase{"blank_box_today_out_of_range", "", kLongAfter, kFallback, "12/15/2026"},
        StartCase{"two_digit_year", "3/15/08", kLongAfter, {2008, 3, 15}, std::nullopt},
        StartCase{"zero_padded_date", "03/15/2008", kLongAfter, {2008, 3, 15}, std::nullopt},
        StartCase{"date_between_blanks", " 4/1/2008 ", kLongAfter, {2008, 4, 1}, std::nullopt},
        StartCase{"december_2007", "12/1/2007", kLongAfter, {2007, 12, 1}, std::nullopt},
        StartCase{"two_digit_year_2009", "1/10/09", kLongAfter, {2009, 1, 10}, std::nullopt},
        StartCase{"after_range", "1/11/2009", kLongAfter, kFallback, "12/15/2026"},
        StartCase{"before_range", "11/30/2007", kInRange, kFallback, "6/1/2008"},
        StartCase{"year_1908", "3/15/1908", kLongAfter, kFallback, "12/15/2026"},
        StartCase{"feb_30_not_a_date", "2/30/2008", kLongAfter, kFallback, "12/15/2026"},
        StartCase{"not_a_date", "garbage", kInRange, kFallback, "6/1/2008"}),
    testing::CaseName());

struct PickerLook {
    const char* name;
    PickerKind kind;
    const char* dialog;
    const char* ok;
};

void PrintTo(const PickerLook& c, std::ostream* os) { *os << c.name; }

class PayDatePickerTest : public ::testing::TestWithParam<PickerLook> {
  protected:
    QLineEdit box;
};

TEST_P(PayDatePickerTest, BoxFollowsThePickerAndTheCloseBoxKeepsIt) {
    const PickerLook look = GetParam();
    const PickerStart expected = pickerStart("", QDate::currentDate());
    bool seen = false;
    onNextModalDialog(look.dialog, [&](QDialog* dialog) {
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
    onNextModalDialog(look.dialog, [&](QDialog* dialog) {
        width = dialog->width();
        titleWidth = dialog->fontMetrics().horizontalAdvance(dialog->windowTitle());
        dialog->reject();
    });
    pickDate(&box, look.kind, nullptr);
    // The title bar also holds the window's icon and its close, minimise and maximise buttons.
    EXPECT_GE(width, titleWidth + 120) << look.dialog;
}

TEST_P(PayDatePickerTest, OkWritesThePickedDateAndCloses) {
    const PickerLook look = GetParam();
    box.setText("garbage");
    bool seen = false;
    onNextModalDialog(look.dialog, [&](QDialog* dialog) {
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
    onNextModalDialog(look.dialog, [&](QDialog* dialog) {
        shown = dialog->findChild<QDateEdit*>("DTPicker1")->date();
        dialog->reject();
    });
    pickDate(&box, look.kind, nullptr);
    EXPECT_EQ(shown, QDate(2008, 7, 4));
    EXPECT_EQ(box.text(), "7/4/08");  // closed without a change: the box keeps its text
}

INSTANTIATE_TEST_SUITE_P(
    PayDatePicker, PayDatePickerTest,
    ::testing::Values(PickerLook{"pay_period", PickerKind::PayPeriod, "frmDateMain", "Ok"},
                      PickerLook{"week_row", PickerKind::WeekRow, "frmDate", "&OK"}),
    testing::CaseName());

}  // namespace
}  // namespace corvanta::ui
