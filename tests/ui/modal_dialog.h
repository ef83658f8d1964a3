#pragma once

#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QTimer>
#include <functional>

namespace corvanta::testing {

// Once the modal dialog named `name` is up, hands it to `act`, which must close it. Gives up
// after two seconds so that a dialog that never came leaves no poller behind.
inline void onNextModalDialog(const QString& name, std::function<void(QDialog*)> act) {
    auto* timer = new QTimer(QApplication::instance());
    const QDeadlineTimer deadline(2000);
    QObject::connect(timer, &QTimer::timeout, [timer, deadline, name, act = std::move(act)] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        const bool found = dialog != nullptr && dialog->isVisible() && dialog->objectName() == name;
        if (!found && !deadline.hasExpired()) return;
        timer->stop();
        timer->deleteLater();
        if (found) act(dialog);
    });
    timer->start(10);
}

}  // namespace corvanta::testing
