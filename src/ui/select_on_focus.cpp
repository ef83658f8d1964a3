#include "ui/select_on_focus.h"

#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QTimer>

namespace corvanta::ui {

void SelectOnFocus::install(QWidget* widget) {
    widget->installEventFilter(new SelectOnFocus(widget));
}

bool SelectOnFocus::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        auto* edit = qobject_cast<QLineEdit*>(watched);
        if (auto* combo = qobject_cast<QComboBox*>(watched)) edit = combo->lineEdit();
        // Deferred: a mouse click that gave the focus would otherwise place the cursor after.
        if (edit != nullptr) QTimer::singleShot(0, edit, &QLineEdit::selectAll);
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace corvanta::ui
