#pragma once

#include <QObject>

class QLineEdit;

namespace corvanta::ui {

// Numeric boxes take only digits, blank, minus, point and backspace; any other typed
// character is dropped. Control keys (arrows, Tab, shortcuts) pass through. A paste must be
// one plain number (blanks around it trimmed): anything else ("40,5 hrs", "$80", "1 2") is
// refused whole with a message naming what was pasted, and the box keeps its text, since
// dropping characters from it would make another number than the one copied. Text that
// arrives another way (a drop, the selection) with a character a key press would drop is
// refused whole as well.
class NumericKeyFilter : public QObject {
    Q_OBJECT
  public:
    using QObject::QObject;
    // Installs the filter on the box (owned by the box) and selects its text on entry.
    static void install(QLineEdit* box);
    // The same for a grid cell's box, which opens on a typed key: selecting its text on entry
    // would let the next key replace the first.
    static void installInCell(QLineEdit* box);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// Whether a typed text may enter a numeric box.
bool isNumericKeyText(const QString& text);

// The text as a numeric box keeps it: every character a key press would drop left out.
QString numericBoxText(const QString& text);

// Whether a pasted text, blanks around it trimmed, is one plain number ("40.5", "-3", ".5").
bool isPlainNumberText(const QString& text);

// The message shown when a paste is refused.
QString refusedPasteMessage(const QString& pasted);

}  // namespace corvanta::ui
