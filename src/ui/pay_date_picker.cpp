#include "ui/pay_date_picker.h"

#include <QCalendarWidget>
#include <QDateEdit>
#include <QDialog>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

namespace corvanta::ui {
namespace {

constexpr const char* kPickerDisplayFormat = "MM/dd/yy";
constexpr int kTitleBarButtons = 160;

bool pickable(QDate date) {
    return date.isValid() && date >= firstPickableDate() && date <= lastPickableDate();
}

struct PickerLook {
    const char* name;
    const char* title;
    const char* okCaption;
};

PickerLook lookOf(PickerKind kind) {
    if (kind == PickerKind::PayPeriod) return {"frmDateMain", "Pay Period Date", "Ok"};
    return {"frmDate", "Week Ending Date", "&OK"};
}

}  // namespace

QDate firstPickableDate() { return {2007, 12, 1}; }
QDate lastPickableDate() { return {2009, 1, 10}; }
QDate fallbackPickerDate() { return {2008, 1, 1}; }

QDate parseBoxDate(const QString& text) {
    const QString trimmed = text.trimmed();
    // Two-digit years first: a four-digit pattern would take "08" as the year 8.
    for (const char* format : {"M/d/yy", "MM/dd/yy"}) {
        const QDate date = QDate::fromString(trimmed, format);
        if (date.isValid()) return date.addYears(100);  // read as 19yy, meant as 20yy
    }
    for (const char* format : {"M/d/yyyy", "MM/dd/yyyy"}) {
        const QDate date = QDate::fromString(trimmed, format);
        if (date.isValid()) return date;
    }
    return {};
}

PickerStart pickerStart(const QString& boxText, QDate today) {
    const QDate wanted = boxText.trimmed().isEmpty() ? today : parseBoxDate(boxText);
    if (pickable(wanted)) return {wanted, std::nullopt};
    return {fallbackPickerDate(), today.toString(kPickedDateFormat)};
}

bool opensDatePicker(const QKeyEvent& key) {
    const auto modifiers = key.modifiers() & ~Qt::KeypadModifier;
    if (key.key() == Qt::Key_F4) return modifiers == Qt::NoModifier;
    return key.key() == Qt::Key_Down && modifiers == Qt::AltModifier;
}

void pickDate(QLineEdit* target, PickerKind kind, QWidget* parent) {
    const PickerStart start = pickerStart(target->text(), QDate::currentDate());
    if (start.boxText) target->setText(*start.boxText);

    const PickerLook look = lookOf(kind);
    QDialog dialog(parent);
    dialog.setObjectName(look.name);
    dialog.setWindowTitle(look.title);
    auto* picker = new QDateEdit(&dialog);
    picker->setObjectName("DTPicker1");
    picker->setCalendarPopup(true);
    picker->setDisplayFormat(kPickerDisplayFormat);
    picker->setDateRange(firstPickableDate(), lastPickableDate());
    picker->setDate(start.pickerDate);

    const auto write = [target](QDate date) { target->setText(date.toString(kPickedDateFormat)); };
    QObject::connect(picker, &QDateEdit::dateChanged, target, write);
    // Clicking the date already chosen changes nothing but still counts as picking it.
    QObject::connect(picker->calendarWidget(), &QCalendarWidget::clicked, target, write);

    auto* ok = new QPushButton(look.okCaption, &dialog);
    ok->setObjectName("Command1");
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, &dialog, [&] {
        write(picker->date());
        dialog.accept();
    });

    auto* row = new QHBoxLayout(&dialog);
    row->addWidget(picker);
    row->addWidget(ok);
    // Wide enough for the whole title beside the title bar's buttons.
    dialog.setMinimumWidth(dialog.fontMetrics().horizontalAdvance(look.title) + kTitleBarButtons);
    picker->setFocus();
    dialog.exec();
}

}  // namespace corvanta::ui
