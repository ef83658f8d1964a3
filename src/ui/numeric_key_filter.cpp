#include "ui/numeric_key_filter.h"

#include <QKeyEvent>
#include <QLineEdit>

#include "ui/select_on_focus.h"

namespace corvanta::ui {

bool isNumericKeyText(const QString& text) {
    static const QString allowed = QStringLiteral("0123456789 -.");
    for (const QChar c : text) {
        // Control characters are keys such as backspace, Tab or Ctrl shortcuts.
        if (c.unicode() >= 0x20 && c.unicode() != 0x7f && !allowed.contains(c)) return false;
    }
    return true;
}

void NumericKeyFilter::install(QLineEdit* box) {
    box->installEventFilter(new NumericKeyFilter(box));
    SelectOnFocus::install(box);
}

bool NumericKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (!isNumericKeyText(key->text())) return true;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace corvanta::ui
