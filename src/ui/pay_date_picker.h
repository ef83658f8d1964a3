#pragma once

#include <QDate>
#include <QString>
#include <optional>

class QKeyEvent;
class QLineEdit;
class QWidget;

namespace corvanta::ui {

// How a picked date is written into a box: the same form the calculator window uses.
inline constexpr const char* kPickedDateFormat = "M/d/yyyy";

// `frmDateMain` sets the pay period date, `frmDate` the date of one overtime sheet row.
enum class PickerKind { PayPeriod, WeekRow };

// The dates both pickers offer, and where they go when the box gives them nothing usable.
QDate firstPickableDate();
QDate lastPickableDate();
QDate fallbackPickerDate();

// Where a picker starts for the text of its box, and the text the box takes at once (none
// when the box keeps its text).
struct PickerStart {
    QDate pickerDate;
    std::optional<QString> boxText;
};
PickerStart pickerStart(const QString& boxText, QDate today);

// A date typed as "M/d/yyyy" or "M/d/yy" (leading zeros allowed, two-digit years are 20yy);
// an invalid date when the text is none of these.
QDate parseBoxDate(const QString& text);

// Alt+Down or F4 in a date box opens its picker, as a click does.
bool opensDatePicker(const QKeyEvent& key);

// The modal picker for the box: the box follows every change of the picker's date, OK writes
// it once more, the close box keeps what was written last.
void pickDate(QLineEdit* target, PickerKind kind, QWidget* parent);

}  // namespace corvanta::ui
