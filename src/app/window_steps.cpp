#include "app/window_steps.h"

#include <QAction>
#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

namespace corvanta::app {

QWidget* shownWindow(const char* name) {
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->objectName() == name && top->isVisible()) return top;
    }
    return nullptr;
}

bool triggerAction(QWidget* owner, const char* name) {
    auto* action = owner->findChild<QAction*>(name);
    if (action == nullptr) return false;
    action->trigger();
    return true;
}

void leftClick(QWidget* widget) {
    const QPointF at(2, 2);
    QMouseEvent press(QEvent::MouseButtonPress, at, widget->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
}

}  // namespace corvanta::app
