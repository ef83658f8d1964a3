#pragma once

#include <QObject>

class QLineEdit;

namespace corvanta::ui {

// Numeric boxes take only digits, blank, minus, point and backspace; any other typed
// character is dropped. Control keys (arrows, Tab, shortcuts) pass through. Text that arrives
// another way (a paste, a drop, the selection) loses the same characters, so the box shows
// what the calculation reads.
class NumericKeyFilter : public QObject {
    Q_OBJECT
  public:
    using QObject::QObject;
    // Installs the filter on the box (owned by the box) and selects its text on entry.
    static void install(QLineEdit* box);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// Whether a typed text may enter a numeric box.
bool isNumericKeyText(const QString& text);

// The text as a numeric box keeps it: every character a key press would drop left out.
QString numericBoxText(const QString& text);

}  // namespace corvanta::ui
